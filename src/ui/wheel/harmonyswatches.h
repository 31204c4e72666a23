// harmonyswatches.h - the colours the harmony marks on the wheel, as labelled swatches: each one
// its colour above its hex, and a "Copy All" button that copies them all.
#pragma once

#include "core/colour/colorvalue.h"
#include "widgets/colordrag.h"

#include <QWidget>

#include <vector>

class QPushButton;

namespace prismara {

class DisplayFilter;

class HarmonySwatches : public QWidget
{
    Q_OBJECT
public:
    struct Entry
    {
        ColorValue color = kWhite;
        int cell = 0; // the wheel cell it comes from, 0-11 (30 degrees a step)
        bool operator==(const Entry&) const = default;
    };

    // `filter` paints the swatches as simulated (the hex stays the colour's own); nullptr: as they are.
    HarmonySwatches(const DisplayFilter* filter, QWidget* parent);

    // Repaints only when the entries change.
    void setEntries(const std::vector<Entry>& entries);
    const std::vector<Entry>& entries() const { return entries_; }

    // The height the swatches shown and the button take at `width` (swatches flow into rows).
    int heightFor(int width) const;
    // The width of one column of swatches (the strip beside the wheel).
    int columnWidth() const;

    // Swatch i in widget coordinates; the swatch under `pos`, -1 for none.
    QRect swatchRect(int index) const;
    int swatchAt(QPoint pos) const;

    // One hex a line, in the order shown.
    QString allText() const;

signals:
    // A swatch clicked with the left button: take its colour (a press that moves drags it instead).
    void taken(ColorValue color);
    // A swatch clicked with the right button, or "Copy All": copy this text.
    void copyRequested(const QString& text);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int columns(int width) const;
    void placeButton();
    QSize entrySize() const;

    const DisplayFilter* filter_;
    std::vector<Entry> entries_;
    QPushButton* cmdCopyAll_;
    ColorDragGesture drag_;
};

} // namespace prismara
