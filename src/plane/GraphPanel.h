#pragma once

#include "plane/core/GraphFacts.h"
#include "plane/core/PlaneRecord.h"

#include <QWidget>

#include <memory>
#include <optional>

class QCheckBox;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;

namespace zeto {

class CoordinateWindow;
class PlaneAnalysis;
class SliderBox;

// The panel `graphpanel` beside the plane: the list of the plots of the record (`lstgraphs`),
// each with its colour, its equation and a check box that shows or hides it; the facts of the
// selected one (`txtfacts`), its special points marked on the plane on request (`chkpoints`),
// and sliders that move its coefficients.
class GraphPanel : public QWidget {
    Q_OBJECT
  public:
    GraphPanel(CoordinateWindow& window, QWidget* parent);
    ~GraphPanel() override;

    // The record changed: the list follows it.
    void recordChanged();
    // A graph was shown or hidden: the facts follow.
    void graphsChanged();
    // The selected plot's entry, if any.
    std::optional<PlaneRecord::Id> selected() const;
    // The marks shown on the plane now: the selected graph's special points when asked for.
    const std::vector<MarkedPoint>& shownMarks() const { return shownMarks_; }
    SliderBox& sliders() { return *sliders_; }

  signals:
    // The marks to show over the plane changed.
    void marksChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void rebuildList();
    void selectionChanged();
    void itemChanged(QListWidgetItem* item);
    void removeSelected();
    // Facts and marks of the selected plot, from an analysis of the visible ones.
    void showFacts();
    void coefficientsMoved();
    QString listText(const PlaneRecord::Entry& plot) const;

    CoordinateWindow& window_;
    QListWidget* list_ = nullptr;
    QCheckBox* marksShown_ = nullptr;
    QPlainTextEdit* facts_ = nullptr;
    SliderBox* sliders_ = nullptr;
    std::vector<MarkedPoint> shownMarks_;
    // The analysis of the plots now on the plane, kept while they stay as they are.
    std::unique_ptr<PlaneAnalysis> analysis_;
    std::vector<PlaneRecord::Id> analysed_;
    bool rebuilding_ = false;
};

}  // namespace zeto
