// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads the numbers of a result display from one captured picture with Tesseract: digits only,
// one line, each number upscaled, binarised and turned dark on light first. A number is sure
// only when two copies of it side by side read alike, its digit count fits its width, and it is
// in the colour the wheel gives it. (Tesseract's own confidence of a lone digit swings from 0 to
// 99 on clean pictures, so it decides nothing.)

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "reading/hold_rule.hpp"
#include "reading/region.hpp"
#include "reading/shapes.hpp"

namespace tesseract {
class TessBaseAPI;
}

namespace brisvale::app {

struct Ink;

class DigitReader {
  public:
    DigitReader();
    ~DigitReader();
    DigitReader(const DigitReader&) = delete;
    DigitReader& operator=(const DigitReader&) = delete;

    // False when Tesseract or its English data could not be loaded; error() says why.
    bool ready() const { return api_ != nullptr; }
    const QString& error() const { return error_; }

    reading::Reading read(const QImage& frame, reading::DisplayKind kind,
                          reading::NewestEnd newest = reading::NewestEnd::Left);
    // Only the `count` newest cells of a strip whose other cells are known already: those
    // numbers newest first (kUnread where not sure), and how many cells the strip shows.
    struct Newest {
        std::vector<int> numbers;
        std::size_t cells = 0;
    };
    Newest readNewest(const QImage& frame, reading::NewestEnd newest, std::size_t count);

    // What the last read() saw, for the card and for diagnostics.
    struct Word {
        QString text;
        QString raw;           // what Tesseract read of the two copies
        float confidence = 0;  // the least sure digit's, for diagnostics
        QRect box;             // in the frame's pixels
    };
    const std::vector<Word>& lastWords() const { return words_; }

    // The table's own number shapes: matched before the recogniser is asked, learned from the
    // numbers read surely and from the player's answers (teach()). On by default.
    void useShapes(bool on) { useShapes_ = on; }
    reading::ShapeBook& shapes() { return shapes_; }
    // The shape of the newest number the last read could not read surely, to be taught by the
    // player's answer.
    const std::optional<reading::Shape>& unsureShape() const { return unsureShape_; }
    // Numbers settled by shape and by the recogniser since the start, for the benchmark.
    int byShape() const { return byShape_; }
    int byRecogniser() const { return byRecogniser_; }

  private:
    // The number of one group, or kUnread when it is not sure.
    int readGroup(const QImage& frame, const Ink& ink, const QRect& group);
    Word recognise(const Ink& ink, const QRect& group);
    Word recogniseAt(int threshold, const QImage& crop, int height);

    static constexpr std::size_t kKnownMost = 512;

    std::unique_ptr<tesseract::TessBaseAPI> api_;
    std::map<QByteArray, Word> known_;  // pictures of numbers read before
    reading::ShapeBook shapes_;
    bool useShapes_ = true;
    std::optional<reading::Shape> unsureShape_;  // of the newest number last read, if unsure
    int byShape_ = 0, byRecogniser_ = 0;
    QString error_;
    std::vector<Word> words_;
};

// A captured picture split for reading: each group of ink (a number, or a word of a message)
// with the box it stands in. The digits' shade is the picture's lightest channel, which keeps
// white digits on a coloured disc and coloured digits on a pale panel equally apart.
struct Ink {
    QImage shade;  // Format_Grayscale8, the frame's size, ink dark
    int threshold = 128;
    QRect bounds;               // all the ink
    std::vector<QRect> groups;  // left to right
};
// Nothing (no groups) when the picture shows one shade only: a blank display.
Ink findInk(const QImage& frame);
// The shape of one group of ink for matching: its box in the shade, scaled to the shapes' grid.
reading::Shape shapeOf(const Ink& ink, const QRect& group);

}  // namespace brisvale::app
