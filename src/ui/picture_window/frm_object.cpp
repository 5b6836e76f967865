#include "ui/picture_window/frm_object.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QToolTip>

#include "genetics/genetic_code_file.h"
#include "picture/line_geometry.h"
#include "picture/picture_export.h"
#include "picture/picture_object.h"
#include "picture/picture_registry.h"
#include "picture/picture_surface.h"
#include "platform/twips.h"
#include "ui/common/controls.h"
#include "ui/common/export_filters.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/front_window.h"
#include "ui/common/label_fit.h"
#include "ui/common/picture_mime.h"
#include "ui/common/plain_text.h"
#include "ui/common/user_messages.h"
#include "ui/picture_window/genetic_code_window.h"
#include "ui/picture_window/picture_window_events.h"

namespace pelorin {

namespace {

constexpr ImageFraming kWindow = ImageFraming::Window;
constexpr ImageFraming kWhole = ImageFraming::WholePath;

// A window that has not moved for this long has stopped moving.
constexpr int kMoveSettleMs = 300;

constexpr const char* kContext = "pelorin::frmObject";
constexpr ExportFilter kExportFilters[] = {
    {QT_TRANSLATE_NOOP("pelorin::frmObject", "PNG image (*.png)"), ImageFormat::Png, 1, kWindow},
    {QT_TRANSLATE_NOOP("pelorin::frmObject", "PNG image, 2x (*.png)"), ImageFormat::Png, 2, kWindow},
    {QT_TRANSLATE_NOOP("pelorin::frmObject", "PNG image, 4x (*.png)"), ImageFormat::Png, 4, kWindow},
    {QT_TRANSLATE_NOOP("pelorin::frmObject", "SVG image (*.svg)"), ImageFormat::Svg, 1, kWindow},
    {QT_TRANSLATE_NOOP("pelorin::frmObject", "PNG image, whole path (*.png)"), ImageFormat::Png, 1, kWhole},
    {QT_TRANSLATE_NOOP("pelorin::frmObject", "PNG image, whole path, 2x (*.png)"), ImageFormat::Png, 2, kWhole},
    {QT_TRANSLATE_NOOP("pelorin::frmObject", "PNG image, whole path, 4x (*.png)"), ImageFormat::Png, 4, kWhole},
    {QT_TRANSLATE_NOOP("pelorin::frmObject", "SVG image, whole path (*.svg)"), ImageFormat::Svg, 1, kWhole},
};

}  // namespace

frmObject::frmObject(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("frmObject"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  // The title until the picture gives its number, at once.
  setWindowTitle(tr("ID"));
  resize(twipsSize(3255, 2295));

  txtName_ = addTextBox(this, QStringLiteral("txtName"), twipsRect(960, 1800, 2175, 375));
  btnSave_ = addButton(this, QStringLiteral("btnSave"), twipsRect(120, 720, 1095, 375), tr("Save"));
  picDraw_ = placed(new PictureView(this), QStringLiteral("picDraw"), twipsRect(1440, 120, 1695, 1575));
  btnDone_ = addButton(this, QStringLiteral("btnDone"), twipsRect(120, 240, 1095, 375), tr("Done"));
  cbxParent_ = addCheckBox(this, QStringLiteral("cbxParent"), twipsRect(240, 1200, 1095, 375), tr("Parent"));
  lblName_ = addLabel(this, QStringLiteral("lblName"), twipsRect(240, 1800, 615, 255), tr("Name:"));
  fitTextToBoxes(this);
  lblName_->setBuddy(txtName_);
  txtName_->setAccessibleName(tr("Name"));
  picDraw_->setAccessibleName(tr("Picture"));
  picDraw_->setFocusPolicy(Qt::TabFocus);
  setTabOrder(txtName_, btnSave_);
  setTabOrder(btnSave_, picDraw_);
  setTabOrder(picDraw_, btnDone_);
  setTabOrder(btnDone_, cbxParent_);
  txtName_->setFocus();

  // Done is the cancel button: Escape closes. Enter stays free for the name box.
  auto* escape = new QShortcut(QKeySequence::Cancel, this);
  connect(escape, &QShortcut::activated, btnDone_, &QPushButton::click);

  // Window-wide, and offered on the picture itself.
  const auto addPictureAction = [this](const QString& name, const QString& text, const QKeySequence& shortcut) {
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    picDraw_->addAction(action);
    return action;
  };
  actCopy_ = addPictureAction(QStringLiteral("actCopy"), tr("Copy"), QKeySequence::Copy);
  actExportImage_ =
      addPictureAction(QStringLiteral("actExportImage"), tr("Export Image..."), QKeySequence(Qt::CTRL | Qt::Key_E));
  actGeneticCode_ =
      addPictureAction(QStringLiteral("actGeneticCode"), tr("Genetic Code..."), QKeySequence(Qt::CTRL | Qt::Key_G));
  actFamilyTree_ =
      addPictureAction(QStringLiteral("actFamilyTree"), tr("Family Tree..."), QKeySequence(Qt::CTRL | Qt::Key_T));
  picDraw_->setContextMenuPolicy(Qt::ActionsContextMenu);
  txtName_->installEventFilter(this);
  picDraw_->installEventFilter(this);
  // Pictures are compared side by side: the origin shows in any window.
  setAttribute(Qt::WA_AlwaysShowToolTips);
  connect(actCopy_, &QAction::triggered, this, &frmObject::actCopy_Triggered);
  connect(actExportImage_, &QAction::triggered, this, &frmObject::actExportImage_Triggered);
  connect(actGeneticCode_, &QAction::triggered, this, &frmObject::actGeneticCode_Triggered);
  connect(actFamilyTree_, &QAction::triggered, this,
          [this] { emit PictureWindowEvents::instance().familyTreeAsked(number_); });

  connect(btnSave_, &QPushButton::clicked, this, &frmObject::btnSave_Click);
  connect(btnDone_, &QPushButton::clicked, this, &frmObject::btnDone_Click);

  // Told to whoever keeps the history; nothing here waits on it.
  moveSettled_ = new QTimer(this);
  moveSettled_->setSingleShot(true);
  moveSettled_->setInterval(kMoveSettleMs);
  connect(moveSettled_, &QTimer::timeout, this, &frmObject::tellMoved);
  // The box is a view of the picture's Parent box: a click changes the
  // picture's, and the box shows whatever changes it (the board, say).
  // Toggled, not clicked: a screen reader's Toggle action emits no click.
  connect(cbxParent_, &QCheckBox::toggled, this,
          [this](bool ticked) { modObject::Registry().setParentBox(number_, ticked ? 1 : 0); });
  connect(&modObject::Registry(), &PictureRegistry::parentBoxChanged, this, [this](PictureNumber number, int value) {
    if (number == number_) cbxParent_->setChecked(value == 1);
  });
}

frmObject::~frmObject() { PictureWindowEvents::instance().notifyClosed(this); }

void frmObject::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  if (!event->isAccepted()) return;
  if (moveSettled_->isActive()) {
    moveSettled_->stop();
    tellMoved();
  }
  PictureWindowEvents::instance().notifyClosed(this);
  emit PictureWindowEvents::instance().closedByUser(number_, pos());
}

void frmObject::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  // Where windows are not placed, pos() is no place: nothing to tell.
  if (isVisible() && windowsArePlaced()) moveSettled_->start();
}

void frmObject::tellMoved() { emit PictureWindowEvents::instance().moved(number_, pos()); }

void frmObject::setTag(const QString& tag) {
  tag_ = tag;
  number_ = static_cast<PictureNumber>(tag.toInt());
  picDraw_->setAccessibleName(tr("Picture %1").arg(tag));
}

std::shared_ptr<clsObject> frmObject::findPicture() const { return modObject::Registry().picture(number_); }

void frmObject::sayNotCreated(const QString& message) {
  Seam<UserMessages>::current().showFailure(this, tr("Pelorin"), message.arg(tag_));
}

void frmObject::btnSave_Click() {
  reportFailures(this, tr("saving picture %1 to \"%2\"").arg(tag_, txtName()->text()), [this] {
    const std::shared_ptr<clsObject> picture = findPicture();
    const QString name = txtName_->text();
    if (name.isEmpty()) return;
    if (!picture) return sayNotCreated(tr("Nothing was saved: picture %1 could not be created."));
    const QByteArray bytes = SaveGeneticCode(picture->GenCode, name);
    emit PictureWindowEvents::instance().saved(picture->ID, name, bytes);
  });
}

void frmObject::btnDone_Click() { close(); }

bool frmObject::eventFilter(QObject* watched, QEvent* event) {
  // The name box claims Ctrl+C whenever it has the focus; without a
  // selection it would copy nothing, so the key goes to the window's Copy.
  if (watched == txtName_ && event->type() == QEvent::ShortcutOverride &&
      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) && !txtName_->hasSelectedText()) {
    event->ignore();
    return true;
  }
  // The origin is asked for when the tooltip is due: the picture is
  // registered only after its window has been drawn.
  if (watched == picDraw_ && event->type() == QEvent::ToolTip) {
    if (const std::shared_ptr<clsObject> picture = findPicture()) {
      QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), plainToolTip(OriginLine(*picture)), picDraw_);
    } else {
      QToolTip::hideText();
    }
    return true;
  }
  const QEvent::Type type = event->type();
  if (watched == picDraw_ &&
      (type == QEvent::MouseButtonPress || type == QEvent::MouseMove || type == QEvent::MouseButtonRelease) &&
      dragPicture(static_cast<QMouseEvent*>(event))) {
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

bool frmObject::dragPicture(QMouseEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      if (event->button() == Qt::LeftButton) pressedAt_ = event->position().toPoint();
      return false;
    case QEvent::MouseButtonRelease: pressedAt_.reset(); return false;
    case QEvent::MouseMove: {
      if (!pressedAt_ || !(event->buttons() & Qt::LeftButton)) return false;
      if ((event->position().toPoint() - *pressedAt_).manhattanLength() < QApplication::startDragDistance()) {
        return false;
      }
      pressedAt_.reset();
      // A window whose picture was not made offers nothing to drag.
      if (const std::shared_ptr<clsObject> picture = findPicture()) {
        DragPicture(picDraw_, *picture, picDraw_->surface().image());
      }
      return true;
    }
    default: return false;
  }
}

void frmObject::actCopy_Triggered() {
  reportFailures(this, tr("copying picture %1").arg(tag_), [this] {
    const std::shared_ptr<clsObject> picture = findPicture();
    if (!picture) return sayNotCreated(tr("Nothing was copied: picture %1 could not be created."));
    QGuiApplication::clipboard()->setMimeData(
        PictureMimeData(*picture, picDraw_->surface().image(), OfferFile::No).release());
  });
}

void frmObject::actExportImage_Triggered() {
  reportFailures(this, tr("exporting picture %1").arg(tag_), [this] {
    const std::shared_ptr<clsObject> picture = findPicture();
    if (!picture) return sayNotCreated(tr("Nothing was exported: picture %1 could not be created."));
    const QStringList filters = exportFilterTexts(kExportFilters, kContext);
    // Offered beside the genetic code file the name box names, if any.
    QString base = txtName_->text();
    const QString suffix = QFileInfo(base).suffix();
    if (!suffix.isEmpty()) base.chop(suffix.size() + 1);
    if (base.isEmpty()) base = tr("Pelorin %1").arg(tag_);
    QString filter = filters.front();
    const QString path = Seam<FileDialogs>::current().getSaveFileName(this, tr("Export Image"),
                                                                      base + QStringLiteral(".png"), filters, &filter);
    if (path.isEmpty()) return;
    const ExportTarget target =
        exportTarget(kExportFilters, chosenExportFilter(kExportFilters, filter, kContext), path);
    const ImageText text = ImageTextOf(*picture);
    ExportPicture(picture->GenCode, picture->Segments(), picDraw_->surface().background(), target.path,
                  target.filter->format, target.filter->scale, target.filter->framing, text);
    emit PictureWindowEvents::instance().exported(picture->ID, target.path, text.geneticCode);
  });
}

void frmObject::actGeneticCode_Triggered() {
  reportFailures(this, [this] {
    const std::shared_ptr<clsObject> picture = findPicture();
    if (!picture) return sayNotCreated(tr("Nothing was shown: picture %1 could not be created."));
    showGeneticCodeWindow(*picture);
  });
}

}  // namespace pelorin
