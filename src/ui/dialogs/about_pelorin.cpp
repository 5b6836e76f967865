#include "ui/dialogs/about_pelorin.h"

#include "platform/twips.h"
#include "ui/common/controls.h"
#include "ui/dialogs/icon_box.h"

namespace pelorin {

AboutPelorin::AboutPelorin()
    : PelorinDialog(QStringLiteral("AboutPelorin"), tr("About Pelorin"), twipsSize(5820, 1860),
                    DialogBorder::SizableWithMaximize),
      icnPelorin_(placed(new IconBox(kPelorinIcon, tr("Pelorin icon"), this), QStringLiteral("icnPelorin"),
                         twipsRect(240, 240, 720, 720))),
      icnQuorvel_(placed(new IconBox(kQuorvelIcon, tr("Quorvel Software icon"), this), QStringLiteral("icnQuorvel"),
                         twipsRect(240, 240, 720, 720))) {
  addLabel(this, QStringLiteral("lblName"), twipsRect(1200, 240, 3135, 255), tr("Pelorin version 1.0"));
  addLabel(this, QStringLiteral("lblCopywrite"), twipsRect(1200, 480, 3135, 255), tr("Copyright (C) Quorvel Software"));
  addLabel(this, QStringLiteral("lblAuthor"), twipsRect(1200, 720, 3135, 255), tr("Written by the Pelorin developers"));
  addLabel(this, QStringLiteral("lblComments"), twipsRect(1200, 1080, 3135, 615),
           tr("If you have any comments or thoughts on this program, please send "
              "them to pelorin@example.org"));
  addOkButton(QStringLiteral("Ok"), twipsRect(4440, 120, 1215, 375), tr("Ok"));
  connect(icnPelorin_, &IconBox::clicked, this, &AboutPelorin::icnPelorin_Click);
  connect(icnQuorvel_, &IconBox::clicked, this, &AboutPelorin::icnQuorvel_Click);
}

void AboutPelorin::loadStep() {
  iconFlag_ = 0;
  icnQuorvel_->setVisible(false);
  icnPelorin_->setVisible(true);
}

void AboutPelorin::icnPelorin_Click() {
  if (iconFlag_ != 0) return;
  icnPelorin_->setVisible(false);
  icnQuorvel_->setVisible(true);
  iconFlag_ = 1;
}

void AboutPelorin::icnQuorvel_Click() {
  if (iconFlag_ != 1) return;
  icnQuorvel_->setVisible(false);
  icnPelorin_->setVisible(true);
  iconFlag_ = 0;
}

}  // namespace pelorin
