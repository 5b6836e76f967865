#pragma once

#include <QWidget>

class QAction;
class QLabel;
class QScrollArea;
class QTableView;

namespace pelorin {

class GeneticCodeModel;
class clsObject;

// The genetic code of one picture, titled "Genetic code of picture N": the
// picture's origin in one line, the table of its 64 genes tinted by where
// each trait came from, and the legend of those tints. It keeps its own copy
// of the code, so it outlives the picture's window; closing it deletes it and
// changes nothing else. Ctrl+C copies the selected cells as text.
class GeneticCodeWindow final : public QWidget {
  Q_OBJECT

 public:
  explicit GeneticCodeWindow(clsObject& picture, QWidget* parent = nullptr);

  int pictureNumber() const;
  GeneticCodeModel* model() const { return model_; }
  QTableView* table() const { return table_; }
  // The legend's text, in legendArea(), which scrolls when it is tall.
  QLabel* legend() const { return legend_; }
  QScrollArea* legendArea() const { return legendArea_; }
  QAction* copyAction() const { return actCopy_; }

 private:
  void actCopy_Triggered();

  GeneticCodeModel* model_;
  QLabel* originLine_;
  QTableView* table_;
  QLabel* legend_;
  QScrollArea* legendArea_;
  QAction* actCopy_;
};

// Shows the genetic code window of picture, making it on first use; a window
// already open for that picture number is brought to the front instead.
GeneticCodeWindow* showGeneticCodeWindow(clsObject& picture);

}  // namespace pelorin
