#include "ui/dialogs/info_dialog.h"

#include "platform/twips.h"
#include "ui/common/controls.h"

namespace pelorin {

Info::Info() : PelorinDialog(QStringLiteral("Info"), tr("Info"), twipsSize(6060, 2865), DialogBorder::Sizable) {
  addLabel(this, QStringLiteral("lblInfo"), twipsRect(120, 120, 4455, 2895),
           tr("Pelorin is a program that makes pictures using a Genetic Algorithm. When the you "
              "create a new picture, this program  creates a \"Genetic Code\" for that picture. "
              "This genetic code comes from two places: mutations, and the parents. When a gene "
              "mutates, it takes on a random value. If a gene doesn't mutate, it is taken randomly "
              "from one of the parents (a picture with the parent check box selected. It also is "
              "possible to save a picture (by typing the place where it is to be saved in the Name "
              "text box) and open a picture (by typing in the name of the file containing the "
              "\"Genetic Code\" into the text box to the right of the Open button. When saving a "
              "picture however, be careful because if the file you named exists, it will be "
              "overwritten."));
  addOkButton(QStringLiteral("btnOK"), twipsRect(4680, 240, 1215, 375), tr("OK"));
}

}  // namespace pelorin
