#include "plane/GraphPanel.h"

#include "plane/CoordinateWindow.h"
#include "plane/SliderBox.h"
#include "plane/core/EquationText.h"
#include "plane/core/PlaneAnalysis.h"
#include "plane/core/RecordedGraph.h"
#include "platform/ColorSwatch.h"
#include "platform/core/NumberText.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace zeto {
namespace {

constexpr int kIdRole = Qt::UserRole;
// Below this height the panel's content scrolls rather than squeezes.
constexpr int kContentHeight = 520;
const QString kNoGraph = QStringLiteral("此参数下无图像");

QIcon colourIcon(BgrColor colour) {
    QPixmap swatch(12, 12);
    swatch.fill(colorFromBgr(colour));
    QPainter p(&swatch);
    p.setPen(Qt::gray);
    p.drawRect(0, 0, 11, 11);
    return QIcon(swatch);
}

}  // namespace

GraphPanel::GraphPanel(CoordinateWindow& window, QWidget* parent)
    : QWidget(parent), window_(window) {
    setObjectName(QStringLiteral("graphpanel"));
    // The panel is as tall as the plane; on the small plane its content scrolls.
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* content = new QWidget(scroll);
    content->setMinimumHeight(kContentHeight);
    scroll->setWidget(content);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);

    list_ = new QListWidget(content);
    list_->setObjectName(QStringLiteral("lstgraphs"));
    list_->installEventFilter(this);
    marksShown_ = new QCheckBox(QStringLiteral("标出特殊点"), content);
    marksShown_->setObjectName(QStringLiteral("chkpoints"));
    facts_ = new QPlainTextEdit(content);
    facts_->setObjectName(QStringLiteral("txtfacts"));
    facts_->setReadOnly(true);
    sliders_ = new SliderBox(content);

    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(list_, 2);
    layout->addWidget(marksShown_);
    layout->addWidget(facts_, 3);
    layout->addWidget(sliders_);

    connect(list_, &QListWidget::currentRowChanged, this, &GraphPanel::selectionChanged);
    connect(list_, &QListWidget::itemChanged, this, &GraphPanel::itemChanged);
    connect(marksShown_, &QCheckBox::toggled, this, &GraphPanel::showFacts);
    connect(sliders_, &SliderBox::valuesChanged, this, &GraphPanel::coefficientsMoved);
}

GraphPanel::~GraphPanel() = default;

std::optional<PlaneRecord::Id> GraphPanel::selected() const {
    const QListWidgetItem* item = list_->currentItem();
    if (!item) return std::nullopt;
    return item->data(kIdRole).toULongLong();
}

QString GraphPanel::listText(const PlaneRecord::Entry& plot) const {
    const PlotDescription& d = *plot.plot;
    QString text = equationText(recordedGraph(plot));
    // The letters of a user's formula stand in its text; their values follow it.
    if (d.kind == GraphKind::Formula && !d.coefficientNames.empty()) {
        QStringList values;
        for (std::size_t k = 0; k < d.coefficientNames.size() && k < 3; ++k)
            values << d.coefficientNames[k] + QStringLiteral("=") + numberText(d.coefficients[k]);
        text += QStringLiteral("（") + values.join(QStringLiteral("，")) + QStringLiteral("）");
    }
    return text;
}

void GraphPanel::recordChanged() {
    analysis_.reset();
    rebuildList();
}

void GraphPanel::graphsChanged() {
    analysis_.reset();
    showFacts();
}

void GraphPanel::rebuildList() {
    const std::optional<PlaneRecord::Id> wasSelected = selected();
    rebuilding_ = true;
    list_->clear();
    int row = -1;
    for (const PlaneRecord::Entry& entry : window_.record().entries()) {
        if (!entry.plot) continue;
        auto* item = new QListWidgetItem(colourIcon(entry.plot->color), listText(entry), list_);
        item->setData(kIdRole, QVariant::fromValue<qulonglong>(entry.id));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(entry.visible ? Qt::Checked : Qt::Unchecked);
        if (wasSelected && *wasSelected == entry.id) row = list_->count() - 1;
    }
    rebuilding_ = false;
    list_->setCurrentRow(row);
    if (row < 0) selectionChanged();
}

void GraphPanel::selectionChanged() {
    if (rebuilding_) return;
    sliders_->stop();
    const std::optional<PlaneRecord::Id> id = selected();
    const PlaneRecord::Entry* entry = id ? window_.record().find(*id) : nullptr;
    // A plot still being drawn gets its sliders when it is finished.
    if (entry && entry->plot && entry->plot->redraw && !entry->drawing)
        sliders_->bind(entry->plot->coefficientNames, entry->plot->coefficients);
    else
        sliders_->unbind();
    showFacts();
}

void GraphPanel::itemChanged(QListWidgetItem* item) {
    if (rebuilding_) return;
    window_.setPlotVisible(item->data(kIdRole).toULongLong(), item->checkState() == Qt::Checked);
}

bool GraphPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        removeSelected();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void GraphPanel::removeSelected() {
    if (const std::optional<PlaneRecord::Id> id = selected()) window_.removePlot(*id);
}

void GraphPanel::showFacts() {
    shownMarks_.clear();
    const std::optional<PlaneRecord::Id> id = selected();
    const PlaneRecord::Entry* chosen = id ? window_.record().find(*id) : nullptr;
    if (!chosen || !chosen->plot) {
        facts_->clear();
        emit marksChanged();
        return;
    }
    if (window_.hasNoGraph(*id)) {
        facts_->setPlainText(kNoGraph);
        emit marksChanged();
        return;
    }
    // The graphs the selected one meets: every other visible plot that has a graph.
    std::vector<PlaneRecord::Id> graphs;
    for (const PlaneRecord::Entry& entry : window_.record().entries())
        if (entry.plot && (entry.id == *id || (entry.visible && !window_.hasNoGraph(entry.id))))
            graphs.push_back(entry.id);
    if (!analysis_ || analysed_ != graphs) {
        std::vector<GraphSpec> specs;
        for (PlaneRecord::Id g : graphs) specs.push_back(recordedGraph(*window_.record().find(g)));
        analysis_ = std::make_unique<PlaneAnalysis>(specs);
        analysed_ = graphs;
    }
    const std::size_t index =
        static_cast<std::size_t>(std::find(graphs.begin(), graphs.end(), *id) - graphs.begin());
    const GraphFacts report = analysis_->report(index);
    QStringList lines;
    for (const FactLine& line : report.lines) lines << line.shown();
    facts_->setPlainText(lines.join(QLatin1Char('\n')));
    if (marksShown_->isChecked()) shownMarks_ = report.marks;
    emit marksChanged();
}

void GraphPanel::coefficientsMoved() {
    const std::optional<PlaneRecord::Id> id = selected();
    if (!id) return;
    window_.redrawPlot(*id, sliders_->values());
    analysis_.reset();
    if (QListWidgetItem* item = list_->currentItem()) {
        rebuilding_ = true;
        item->setText(listText(*window_.record().find(*id)));
        rebuilding_ = false;
    }
    showFacts();
}

}  // namespace zeto
