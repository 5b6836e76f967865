#include "ui/dialogs/license_dialog.h"

#include "platform/twips.h"
#include "ui/common/controls.h"

namespace pelorin {

License::License()
    : PelorinDialog(QStringLiteral("License"), tr("License"), twipsSize(4695, 1215), DialogBorder::Sizable) {
  addLabel(this, QStringLiteral("lblText"), twipsRect(120, 240, 3135, 975),
           tr("The current License Agreement, and Registration Information are "
              "available  from the Quorvel Software Home Page (see "
              "Info->About->Quorvel)"));
  addOkButton(QStringLiteral("Ok"), twipsRect(3360, 120, 1215, 375), tr("Ok"));
}

}  // namespace pelorin
