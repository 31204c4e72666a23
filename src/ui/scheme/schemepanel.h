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
    // Designed width and height of every panel, in pixels; a larger panel scales the mock-up
    // page's samples (not their text) to its size.
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
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeSamples();
    QPoint badgePlace(const BadgeLabel* badge) const;
    void buildOptions();
    void buildSamples();
    void buildBadges(QWidget* holder);
    void showContrast(const SchemeState& state);
    void sampleReleased(SchemeSample* sample, Qt::MouseButton button, const QPoint& globalPos);
    void sampleClicked(SchemeSample* sample);

    std::size_t style_;
    const DisplayFilter* filter_;
    QButtonGroup* group_;
    std::vector<QRadioButton*> options_;   // element order
    std::vector<SchemeSample*> samples_;   // the style's sample order
    std::vector<BadgeLabel*> badges_;      // the style's contrast pair order
    QWidget* optionFrame_ = nullptr;
    QWidget* sampleHolder_ = nullptr;
    std::vector<QRect> designedRects_;     // per sample, page content coordinates
    QPoint origin_;                        // the page content's corner in the holder
    double scaleX_ = 1;
    double scaleY_ = 1;
};

} // namespace prismara
