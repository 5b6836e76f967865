#include "ui/dialogs/error_mr.h"

#include "platform/twips.h"
#include "ui/common/controls.h"

namespace pelorin {

ErrorMR::ErrorMR()
    : PelorinDialog(QStringLiteral("ErrorMR"), tr("ErrorMR"), twipsSize(2940, 1305), DialogBorder::FixedSingle) {
  addLabel(this, QStringLiteral("lblText"), twipsRect(120, 120, 2775, 375), tr("The Mutation Rate must be a number."));
  addOkButton(QStringLiteral("btnOK"), twipsRect(960, 720, 1095, 375), tr("OK"));
}

}  // namespace pelorin
