// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/digit_reader.hpp"

#include <dlfcn.h>
#include <tesseract/baseapi.h>
#include <tesseract/resultiterator.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "reading/colour.hpp"

namespace brisvale::app {
namespace {

using reading::Reading;

// Tesseract reads best with digits about 40 pixels high.
constexpr int kReadHeight = 32;
constexpr int kMargin = 20;
constexpr int kSmallDigits = 14;

int otsu(const std::array<int, 256>& histogram, int total) {
    long long sumAll = 0;
    for (int i = 0; i < 256; ++i) sumAll += static_cast<long long>(i) * histogram[i];
    long long sumBelow = 0;
    int below = 0, best = 127;
    double bestSpread = -1;
    for (int t = 0; t < 256; ++t) {
        below += histogram[t];
        sumBelow += static_cast<long long>(t) * histogram[t];
        const int above = total - below;
        if (below == 0 || above == 0) continue;
        const double meanBelow = static_cast<double>(sumBelow) / below;
        const double meanAbove = static_cast<double>(sumAll - sumBelow) / above;
        const double spread =
            static_cast<double>(below) * above * (meanBelow - meanAbove) * (meanBelow - meanAbove);
        if (spread > bestSpread) {
            bestSpread = spread;
            best = t;
        }
    }
    return best;
}

// The colour the display gives a number: around and under its digits, in the frame.
std::optional<reading::Colour> colourAround(const QImage& frame, QRect box) {
    const int pad = box.height() / 4;
    box = box.adjusted(-pad, -pad, pad, pad).intersected(frame.rect());
    std::vector<std::uint32_t> pixels;
    pixels.reserve(static_cast<std::size_t>(box.width() * box.height()));
    for (int y = box.top(); y <= box.bottom(); ++y) {
        const auto* line = reinterpret_cast<const std::uint32_t*>(frame.constScanLine(y));
        pixels.insert(pixels.end(), line + box.left(), line + box.right() + 1);
    }
    return reading::classifyColour(reading::countColours(pixels));
}

}  // namespace

Ink findInk(const QImage& frame) {
    const int w = frame.width(), h = frame.height();
    Ink ink;
    if (w < reading::kLeastSide || h < reading::kLeastSide) return ink;
    ink.shade = QImage(w, h, QImage::Format_Grayscale8);
    std::array<int, 256> histogram{};
    int lo = 255, hi = 0;
    for (int y = 0; y < h; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
        uchar* out = ink.shade.scanLine(y);
        for (int x = 0; x < w; ++x) {
            const int v = std::min({qRed(in[x]), qGreen(in[x]), qBlue(in[x])});
            out[x] = static_cast<uchar>(v);
            ++histogram[v];
            lo = std::min(lo, v), hi = std::max(hi, v);
        }
    }
    // One shade, give or take noise: nothing is shown.
    if (hi - lo < 48) return ink;
    ink.threshold = otsu(histogram, w * h);
    // The side the frame's border is mostly on is the background; the digits are made dark.
    int lightBorder = 0, border = 0;
    const auto countBorder = [&](int x, int y) {
        ++border;
        lightBorder += ink.shade.constScanLine(y)[x] > ink.threshold;
    };
    for (int x = 0; x < w; ++x) countBorder(x, 0), countBorder(x, h - 1);
    for (int y = 1; y < h - 1; ++y) countBorder(0, y), countBorder(w - 1, y);
    if (lightBorder * 2 < border) {
        ink.shade.invertPixels();
        ink.threshold = 255 - ink.threshold - 1;
    }
    std::vector<int> columnInk(static_cast<std::size_t>(w), 0);
    int top = h, bottom = -1;
    for (int y = 0; y < h; ++y) {
        const uchar* line = ink.shade.constScanLine(y);
        for (int x = 0; x < w; ++x) {
            if (line[x] <= ink.threshold) {
                ++columnInk[static_cast<std::size_t>(x)];
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
        }
    }
    if (bottom < 0) return ink;
    // Digits of one number stand closer together than half their height.
    const int gap = std::max(2, (bottom - top + 1) / 2);
    int start = -1, lastInk = -1;
    for (int x = 0; x <= w; ++x) {
        const bool inked = x < w && columnInk[static_cast<std::size_t>(x)] > 0;
        if (inked) {
            if (start < 0) start = x;
            lastInk = x;
        } else if (start >= 0 && (x == w || x - lastInk > gap)) {
            ink.groups.emplace_back(QPoint(start, top), QPoint(lastInk, bottom));
            start = -1;
        }
    }
    ink.bounds =
        QRect(QPoint(ink.groups.front().left(), top), QPoint(ink.groups.back().right(), bottom));
    return ink;
}

reading::Shape shapeOf(const Ink& ink, const QRect& group) {
    reading::Shape shape;
    shape.width = group.width();
    shape.height = group.height();
    const QImage grid = ink.shade.copy(group)
                            .scaled(reading::Shape::kWidth, reading::Shape::kHeight,
                                    Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                            .convertToFormat(QImage::Format_Grayscale8);
    for (int y = 0; y < reading::Shape::kHeight; ++y) {
        const uchar* line = grid.constScanLine(y);
        std::copy(line, line + reading::Shape::kWidth,
                  shape.grey.begin() + static_cast<std::ptrdiff_t>(y) * reading::Shape::kWidth);
    }
    return shape;
}

DigitReader::DigitReader() : api_(std::make_unique<tesseract::TessBaseAPI>()) {
    // Debian's Tesseract runs parts of a recognition on OpenMP threads, which spin while they
    // wait for each other: on a busy machine one small number then takes several times as long.
    // Its parallel regions are run on one thread (the library is found if it is there).
    using SetLevels = void (*)(int);
    if (auto* setLevels =
            reinterpret_cast<SetLevels>(dlsym(RTLD_DEFAULT, "omp_set_max_active_levels")))
        setLevels(0);
    if (api_->Init(nullptr, "eng", tesseract::OEM_LSTM_ONLY) != 0) {
        api_.reset();
        error_ = "Tesseract could not load its English data (Debian package tesseract-ocr-eng).";
        return;
    }
    api_->SetVariable("tessedit_char_whitelist", "0123456789");
    api_->SetVariable("debug_file", "/dev/null");
    api_->SetPageSegMode(tesseract::PSM_SINGLE_LINE);
}

DigitReader::~DigitReader() {
    if (api_) api_->End();
}

Reading DigitReader::read(const QImage& frameIn, reading::DisplayKind kind,
                          reading::NewestEnd newest) {
    words_.clear();
    unsureShape_.reset();
    if (!api_) return Reading::unsure();
    const QImage frame = frameIn.convertToFormat(QImage::Format_RGB32);
    const Ink ink = findInk(frame);
    if (ink.groups.empty()) return Reading::blank();
    // A message across the display ("No more bets") is wide; a result of two digits is not.
    if (kind == reading::DisplayKind::Result &&
        (ink.bounds.width() > 3 * ink.bounds.height() || ink.groups.size() > 2)) {
        return Reading::blank();
    }
    std::vector<int> numbers;
    for (const QRect& group : ink.groups) {
        const int n = readGroup(frame, ink, group);
        // A strip's cell that cannot be read is left open; a result must be read.
        if (n == Reading::kUnread && kind == reading::DisplayKind::Result) {
            unsureShape_ = shapeOf(ink, group);
            return Reading::unsure();
        }
        numbers.push_back(n);
    }
    const std::size_t newestCell = newest == reading::NewestEnd::Left ? 0 : numbers.size() - 1;
    unsureShape_.reset();
    if (numbers[newestCell] == Reading::kUnread)
        unsureShape_ = shapeOf(ink, ink.groups[newestCell]);
    if (kind == reading::DisplayKind::Result && numbers.size() != 1) return Reading::unsure();
    if (newest == reading::NewestEnd::Right) std::ranges::reverse(numbers);
    return Reading::of(std::move(numbers));
}

DigitReader::Newest DigitReader::readNewest(const QImage& frameIn, reading::NewestEnd newest,
                                            std::size_t count) {
    words_.clear();
    unsureShape_.reset();
    Newest result;
    if (!api_) return result;
    const QImage frame = frameIn.convertToFormat(QImage::Format_RGB32);
    const Ink ink = findInk(frame);
    result.cells = ink.groups.size();
    for (std::size_t i = 0; i < std::min(count, ink.groups.size()); ++i) {
        const std::size_t g = newest == reading::NewestEnd::Left ? i : ink.groups.size() - 1 - i;
        result.numbers.push_back(readGroup(frame, ink, ink.groups[g]));
        if (i == 0 && result.numbers.front() == Reading::kUnread)
            unsureShape_ = shapeOf(ink, ink.groups[g]);
    }
    return result;
}

int DigitReader::readGroup(const QImage& frame, const Ink& ink, const QRect& group) {
    const reading::Shape shape = shapeOf(ink, group);
    if (useShapes_) {
        const int n = shapes_.match(shape).value_or(Reading::kUnread);
        if (n != Reading::kUnread && reading::colourAgrees(n, colourAround(frame, group))) {
            ++byShape_;
            words_.push_back({QString::number(n), QStringLiteral("shape"), 100, group});
            return n;
        }
    }
    ++byRecogniser_;
    const Word word = recognise(ink, group);
    words_.push_back(word);
    bool ok = false;
    const int n = word.text.toInt(&ok);
    // One digit is narrower than it is high, two are wider: a digit lost or made up by the
    // recogniser shows as a width that does not fit.
    const bool wide = group.width() >= group.height();
    const bool sure = ok && word.text.size() == (wide ? 2 : 1) &&
                      reading::colourAgrees(n, colourAround(frame, group));
    if (!sure) return Reading::kUnread;
    shapes_.learn(n, shape);
    return n;
}

DigitReader::Word DigitReader::recognise(const Ink& ink, const QRect& group) {
    // The group with a little of its surroundings, scaled to the height Tesseract reads best,
    // binarised again after the smooth scaling, on a white margin.
    const int pad = std::max(1, group.height() / 8);
    const QRect box = group.adjusted(-pad, -pad, pad, pad).intersected(ink.shade.rect());
    const QImage crop = ink.shade.copy(box);
    // A number drawn exactly as one read before (a strip that moved on, a result shown again)
    // is not recognised again.
    QByteArray key(reinterpret_cast<const char*>(crop.constBits()), crop.sizeInBytes());
    key += QByteArray::number(crop.width()) + 'x' + QByteArray::number(ink.threshold);
    if (const auto known = known_.find(key); known != known_.end()) {
        Word word = known->second;
        word.box = group;
        return word;
    }
    Word word;
    word.box = group;
    // When the two copies disagree, other sizes are tried: the recogniser's slips depend on it.
    for (const int height : {kReadHeight, kReadHeight * 3 / 2, kReadHeight * 3 / 4}) {
        word = recogniseAt(ink.threshold, crop, height);
        word.box = group;
        if (!word.text.isEmpty()) break;
    }
    // Digits drawn a dozen pixels high are few pixels to go on: a second size must agree.
    if (!word.text.isEmpty() && group.height() < kSmallDigits &&
        recogniseAt(ink.threshold, crop, kReadHeight * 3 / 2).text != word.text) {
        word.text.clear();
    }
    if (known_.size() >= kKnownMost) known_.clear();
    known_.emplace(key, word);
    return word;
}

DigitReader::Word DigitReader::recogniseAt(int threshold, const QImage& crop, int height) {
    const double scale = static_cast<double>(height) / crop.height();
    const QImage scaled = crop.scaled(std::max(1, static_cast<int>(crop.width() * scale)), height,
                                      Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // The number twice, a space apart: the line recogniser reads a lone digit (a 0 above all)
    // far more surely beside a copy of itself, and the two copies must then agree.
    const int space = height;
    QImage page(2 * scaled.width() + space + 2 * kMargin, scaled.height() + 2 * kMargin,
                QImage::Format_Grayscale8);
    page.fill(255);
    for (int y = 0; y < scaled.height(); ++y) {
        const uchar* in = scaled.constScanLine(y);
        uchar* out = page.scanLine(y + kMargin) + kMargin;
        for (int x = 0; x < scaled.width(); ++x) {
            out[x] = out[x + scaled.width() + space] = in[x] <= threshold ? 0 : 255;
        }
    }
    api_->SetImage(page.constBits(), page.width(), page.height(), 1,
                   static_cast<int>(page.bytesPerLine()));
    Word word;
    if (api_->Recognize(nullptr) == 0) {
        std::unique_ptr<char[]> text(api_->GetUTF8Text());
        const QString both =
            QString::fromUtf8(text ? text.get() : "").simplified().remove(QLatin1Char(' '));
        const auto half = both.size() / 2;
        if (both.size() % 2 == 0 && both.left(half) == both.mid(half)) word.text = both.left(half);
        word.raw = both;
        // The least sure digit speaks for the number.
        word.confidence = 100;
        std::unique_ptr<tesseract::ResultIterator> it(api_->GetIterator());
        if (it) {
            do {
                word.confidence = std::min(word.confidence, it->Confidence(tesseract::RIL_SYMBOL));
            } while (it->Next(tesseract::RIL_SYMBOL));
        }
    }
    api_->Clear();
    return word;
}

}  // namespace brisvale::app
