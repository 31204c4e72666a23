// schemepanel.h - the panel of one web-scheme style: its option buttons and its mock-up page.
//
// One class serves every style: the buttons come from the style's elements, the samples from
// the style's samples placed by its layout table (schemelayouts.h). Each contrast pair of the
// style shows its ratio and verdict on the page (a mark named lblContrast + the pair's name), and
// the buttons of the elements in a pair that fails AA are flagged: dark red on a pale red band
// (and the property "contrastFails").
#pragma once

#include "core/scheme/schemestate.h"

#include <QWidget>

#include <cstddef>
#include <optional>
#include <vector>

class QButtonGroup;
class QLabel;
class QRadioButton;

namespace prismara {

class DisplayFilter;
class BadgeLabel;
class SchemeSample;

class SchemePanel : public QWidget
{
    Q_OBJECT
public:
    // Width and height of every panel, in pixels.
    static constexpr int kWidth = 345;
    static constexpr int kHeight = 199;

    // `filter` paints the mock-up as simulated; nullptr: as it is.
    SchemePanel(std::size_t style, const DisplayFilter* filter, QWidget* parent);

    std::size_t style() const { return style_; }

    // The selected element, tested in element order; nullopt when no button is selected.
    std::optional<std::size_t> selectedElement() const;
    // Selects an element's button, also while the buttons are disabled.
    void selectElement(std::size_t element);
    void setOptionsEnabled(bool enabled);

    // Shows the looks of this panel's style, with the contrast of its pairs.
    void showLooks(const SchemeState& state);

    // The rectangle of the mock-up page (its frame included), in panel coordinates.
    QRect pageRect() const;

    // The style's samples, in its sample order.
    const std::vector<SchemeSample*>& samples() const { return samples_; }

signals:
    // A sample was clicked in the way that picks it.
    void samplePicked(const QString& sample);
    // A sample's colour is to be dragged away.
    void sampleDragged(SchemeSample* sample);
    // The right button was let go over a sample.
    void popupRequested(const QPoint& globalPos);
    // Another element's button was selected.
    void elementSelected();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildOptions();
    void buildSamples();
    void buildBadges(QWidget* holder, QPoint origin);
    void showContrast(const SchemeState& state);
    void sampleReleased(SchemeSample* sample, Qt::MouseButton button, const QPoint& globalPos);
    void sampleClicked(SchemeSample* sample);

    std::size_t style_;
    const DisplayFilter* filter_;
    QButtonGroup* group_;
    std::vector<QRadioButton*> options_;   // element order
    std::vector<SchemeSample*> samples_;   // the style's sample order
    std::vector<BadgeLabel*> badges_;      // the style's contrast pair order
};

} // namespace prismara
