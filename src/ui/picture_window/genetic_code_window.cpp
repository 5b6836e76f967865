#include "ui/picture_window/genetic_code_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include "picture/picture_object.h"
#include "ui/common/controls.h"
#include "ui/common/front_window.h"
#include "ui/picture_window/genetic_code_model.h"

namespace pelorin {

namespace {

// Legend entries per line; more parents wrap onto further lines.
constexpr int kLegendColumns = 3;
// Pixels kept for the window's title bar and frame when it fits the screen.
constexpr int kFrameAllowance = 64;

QString legendHtml(const GeneticCodeModel& model) {
  QString html = QStringLiteral("<table cellspacing=\"2\" cellpadding=\"1\"><tr>");
  int column = 0;
  for (const GeneticCodeModel::LegendEntry& entry : model.legend()) {
    if (column == kLegendColumns) {
      html += QStringLiteral("</tr><tr>");
      column = 0;
    }
    html +=
        QStringLiteral("<td style=\"background-color:%1\">&nbsp;&nbsp;&nbsp;&nbsp;</td><td>%2&nbsp;&nbsp;&nbsp;</td>")
            .arg(entry.tint.isValid() ? entry.tint.name() : QStringLiteral("transparent"), entry.text.toHtmlEscaped());
    ++column;
  }
  html += QStringLiteral("</tr></table>");
  if (const int hidden = model.notDrawnCount(); hidden > 0) {
    html += QLatin1String("<i>") +
            (hidden == 1 ? GeneticCodeWindow::tr("Grey italic rows: 1 gene not drawn.")
                         : GeneticCodeWindow::tr("Grey italic rows: %n genes not drawn.", nullptr, hidden)) +
            QLatin1String("</i>");
  }
  return html;
}

}  // namespace

GeneticCodeWindow::GeneticCodeWindow(clsObject& picture, QWidget* parent)
    : QWidget(parent, Qt::Window), model_(new GeneticCodeModel(picture, this)) {
  setObjectName(QStringLiteral("GeneticCodeWindow"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(tr("Genetic code of picture %1").arg(model_->pictureNumber()));

  originLine_ = new QLabel(model_->originLine(), this);
  originLine_->setObjectName(QStringLiteral("lblOrigin"));
  originLine_->setTextFormat(Qt::PlainText);
  originLine_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

  table_ = new QTableView(this);
  table_->setObjectName(QStringLiteral("tblGenes"));
  showReadOnly(table_, model_, QAbstractItemView::ExtendedSelection, QAbstractItemView::SelectItems);
  table_->setAccessibleName(windowTitle());
  table_->setWordWrap(false);
  // Integer columns are as wide as the widest 16-bit number; the angle column
  // as its widest text (up to 15 digits after "0.0", or an exponent form).
  const QFontMetrics metrics = table_->fontMetrics();
  const int padding = 2 * metrics.horizontalAdvance(QLatin1Char('0'));
  QHeaderView* columns = table_->horizontalHeader();
  for (int column = 0; column < model_->columnCount(); ++column) {
    int widest = metrics.horizontalAdvance(QStringLiteral("-32768"));
    if (column == 0) {
      for (int row = 0; row < model_->rowCount(); ++row) {
        const QString text = model_->data(model_->index(row, column)).toString();
        widest = std::max(widest, metrics.horizontalAdvance(text));
      }
    }
    const int header = metrics.horizontalAdvance(model_->headerData(column, Qt::Horizontal).toString());
    columns->resizeSection(column, std::max(header, widest) + padding);
  }
  QHeaderView* rows = table_->verticalHeader();
  rows->setSectionResizeMode(QHeaderView::Fixed);
  rows->setDefaultSectionSize(metrics.height() + 6);

  legend_ = new QLabel(legendHtml(*model_));
  legend_->setObjectName(QStringLiteral("lblLegend"));
  legend_->setTextFormat(Qt::RichText);
  legend_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  // Hundreds of parents make a legend taller than the screen: it scrolls,
  // never taller than its text nor than a third of the screen.
  legendArea_ = new QScrollArea(this);
  legendArea_->setObjectName(QStringLiteral("legendArea"));
  legendArea_->setFrameShape(QFrame::NoFrame);
  legendArea_->setWidgetResizable(true);
  legendArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  legendArea_->setWidget(legend_);
  const QRect screen = this->screen()->availableGeometry();
  const QSize legendSize = legend_->sizeHint();
  const int legendHeight = std::min(legendSize.height(), screen.height() / 3);
  legendArea_->setFixedHeight(legendHeight);
  const bool scrolls = legendHeight < legendSize.height();
  legendArea_->setMinimumWidth(legendSize.width() +
                               (scrolls ? legendArea_->verticalScrollBar()->sizeHint().width() : 0));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(originLine_);
  layout->addWidget(table_, 1);
  layout->addWidget(legendArea_);

  actCopy_ = new QAction(tr("Copy"), this);
  actCopy_->setObjectName(QStringLiteral("actCopy"));
  actCopy_->setShortcut(QKeySequence::Copy);
  // The table's own: the origin line keeps Ctrl+C for its selected text.
  actCopy_->setShortcutContext(Qt::WidgetShortcut);
  table_->addAction(actCopy_);
  table_->setContextMenuPolicy(Qt::ActionsContextMenu);
  connect(actCopy_, &QAction::triggered, this, &GeneticCodeWindow::actCopy_Triggered);
  table_->setFocus();

  // Wide enough for every column, tall enough for about twenty genes, and
  // within the screen (the title bar and frame given some room).
  int width = rows->sizeHint().width() + table_->frameWidth() * 2 + 24;
  for (int column = 0; column < model_->columnCount(); ++column) width += columns->sectionSize(column);
  const int height = 20 * rows->defaultSectionSize() + columns->sizeHint().height() + legendHeight +
                     originLine_->sizeHint().height() + 48;
  resize(std::max(width + 2 * layout->contentsMargins().left(), originLine_->sizeHint().width() + 24),
         std::min(height, screen.height() - kFrameAllowance));
}

int GeneticCodeWindow::pictureNumber() const { return model_->pictureNumber(); }

void GeneticCodeWindow::actCopy_Triggered() {
  QModelIndexList cells = table_->selectionModel()->selectedIndexes();
  if (cells.isEmpty()) return;
  QApplication::clipboard()->setText(model_->copyText(cells));
}

GeneticCodeWindow* showGeneticCodeWindow(clsObject& picture) {
  // A window closed but not yet deleted is gone for the user.
  return &showOneWindow<GeneticCodeWindow>(
      [&](const GeneticCodeWindow& open) { return open.pictureNumber() == picture.ID && !open.isHidden(); },
      [&] { return new GeneticCodeWindow(picture); });
}

}  // namespace pelorin
