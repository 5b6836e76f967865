#include "ui/dialogs/about_author.h"

#include "platform/twips.h"
#include "ui/common/controls.h"

namespace pelorin {

AboutAuthor::AboutAuthor()
    : PelorinDialog(QStringLiteral("AboutAuthor"), tr("About Author"), twipsSize(4695, 1155), DialogBorder::Sizable) {
  addLabel(this, QStringLiteral("lblText"), twipsRect(120, 240, 3135, 495),
           tr("To find out about the author, you can visit the web site:"));
  addLabel(this, QStringLiteral("lblWebSite"), twipsRect(120, 720, 3135, 255), tr("     https://example.org/pelorin"));
  addOkButton(QStringLiteral("Ok"), twipsRect(3360, 120, 1215, 375), tr("Ok"));
}

}  // namespace pelorin
