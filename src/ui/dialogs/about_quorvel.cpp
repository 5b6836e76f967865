#include "ui/dialogs/about_quorvel.h"

#include "platform/twips.h"
#include "ui/common/controls.h"
#include "ui/dialogs/icon_box.h"

namespace pelorin {

AboutQuorvel::AboutQuorvel()
    : PelorinDialog(QStringLiteral("AboutQuorvel"), tr("About Quorvel Software"), twipsSize(6300, 2235),
                    DialogBorder::Sizable),
      icnQuorvel_(placed(new IconBox(kQuorvelIcon, tr("Quorvel Software icon"), this), QStringLiteral("icnQuorvel"),
                         twipsRect(240, 240, 720, 720))) {
  // Hidden until the load step shows it.
  icnQuorvel_->setVisible(false);
  addLabel(this, QStringLiteral("lblWebPage"), twipsRect(1080, 120, 3135, 975),
           tr("To find out more about Quorvel Software and about other programs "
              "made by Quorvel Software you can visit our web site. Our website "
              "can be reached from the web site: "));
  addLabel(this, QStringLiteral("lblWebAddress"), twipsRect(1080, 960, 3135, 255),
           tr("      https://example.com/quorvel"));
  addLabel(this, QStringLiteral("lblGetWebPage"), twipsRect(1080, 1200, 3255, 735),
           tr(" Or, we will send you the current URL of Quorvel Software's home "
              "pae if you send an e-mail to:"));
  addLabel(this, QStringLiteral("lblEMail"), twipsRect(1080, 1920, 2535, 1455), tr("      quorvel@example.com"));
  addOkButton(QStringLiteral("Ok"), twipsRect(4440, 120, 1215, 375), tr("Ok"));
}

void AboutQuorvel::loadStep() { icnQuorvel_->setVisible(true); }

}  // namespace pelorin
