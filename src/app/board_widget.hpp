// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Playing Board" frame: the printed layout, grid lines, flip button, chips, the gold
// marker and Button1, each drawn at its twip place from the Form (15 twips per pixel).

#include <QFont>
#include <QWidget>
#include <optional>

#include "view/form.hpp"

class QPushButton;

namespace brisvale::app {

class BoardWidget final : public QWidget {
    Q_OBJECT

  public:
    BoardWidget(const Form& form, QWidget* parent);

    // Takes the Form's state on board: Button1's caption and enabling, and a repaint.
    void render();

    // Draws the board `scale` times its design size; points below are in the widget's own
    // pixels, at whatever scale.
    void setScale(double scale);
    double scale() const { return scale_; }

    // What a click at a point of the board goes to: a single-number chip, the flip button or
    // a cell. Other chips let the click through to the cell beneath them.
    struct Hit {
        enum class Kind { None, Chip, Flip, Cell } kind = Kind::None;
        int index = -1;
        bool operator==(const Hit&) const = default;
    };
    Hit hitAt(QPointF pos) const;
    // The topmost chip shown at a point, or -1.
    int chipAt(QPointF pos) const;
    // The hover text at a point: a chip's bet, the flip button's use, or how to enter a spin.
    QString tipAt(QPointF pos) const;

    // The centre of cell i and of chip i as they stand now (for clicks from tests and tools).
    QPoint cellCenter(int cell) const;
    QPoint chipCenter(int chip) const;
    QPoint flipCenter() const;

  signals:
    void cellClicked(int cell);
    void chipClicked(int chip);
    void flipClicked();
    void button1Clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void paintFrame(QPainter& p) const;
    void paintCells(QPainter& p) const;
    void paintCell(QPainter& p, int cell) const;
    void paintLines(QPainter& p) const;
    void paintFlipButton(QPainter& p) const;
    // The white figures and captions of the cells: their text, type, centre across, whether
    // a dark edge sets them off a chip, and whether they lie beneath the chips.
    struct PrintPlace {
        QString text;
        QFont font;
        double centre = 0;
        bool edged = false;
        bool beneath = true;
    };
    PrintPlace printPlace(int cell) const;
    void paintPrint(QPainter& p, bool beneathChips) const;
    void paintChipDiscs(QPainter& p) const;
    void paintChipLabels(QPainter& p) const;
    void paintMarker(QPainter& p) const;

    const Form& form_;
    QPushButton* button1_;
    QFont designFont_;
    double scale_ = 1.0;
    Hit pressed_;
};

}  // namespace brisvale::app
