// SPDX-License-Identifier: GPL-3.0-or-later
// Chips as the board draws them: a dozen, row or even-money chip lies inside its own box in
// both views, where the pointer finds it; inside bets keep their spots on lines and corners.

#include <gtest/gtest.h>

#include "app/chip_look.hpp"
#include "board/chips.hpp"
#include "harness.hpp"
#include "support/advisor_test_access.hpp"

namespace brisvale::gui_test {
namespace {

const QColor kCloth(0, 0xC0, 0);

// Lays a chip with a stake on each of the given bets, chip 0 first, at the Form's spots.
std::vector<int> lay(Session& s, const std::vector<BetId>& bets) {
    Form& form = AdvisorTestAccess::form(*s.advisor);
    std::vector<int> chips;
    for (const BetId id : bets) {
        const int i = static_cast<int>(chips.size());
        Chip& c = form.chips[static_cast<std::size_t>(i)];
        const Point spot = *chipSpot(id, form.board.BoardFlipped());
        c.visible = true;
        c.left = spot.left;
        c.top = spot.top;
        c.bet = id;
        c.image = board::kImageOther;
        c.caption = "25";
        chips.push_back(i);
    }
    s.window->render();
    return chips;
}

std::vector<BetId> outsideBets() {
    std::vector<BetId> bets;
    for (int i = 0; i < kBetCount; ++i) {
        if (outsideCell(static_cast<BetId>(i))) bets.push_back(static_cast<BetId>(i));
    }
    return bets;
}

TEST(Chips, EveryOutsideChipLiesInsideItsBoxInBothViews) {
    for (const bool flipped : {false, true}) {
        Session s;
        if (flipped) s.clickAt(s.board().flipCenter());
        ASSERT_EQ(s.form().board.BoardFlipped(), flipped);
        const std::vector<BetId> bets = outsideBets();
        ASSERT_EQ(bets.size(), 12U);
        const QImage bare = s.board().grab().toImage();
        const std::vector<int> chips = lay(s, bets);
        const QImage picture = s.board().grab().toImage();
        const QRectF frame(QPointF(), QSizeF(s.board().size()));
        for (std::size_t k = 0; k < chips.size(); ++k) {
            const Chip& chip = s.form().chips[static_cast<std::size_t>(chips[k])];
            const int cell = *outsideCell(bets[k]);
            const QRectF drawn = app::chipRect(s.form(), chip);
            const std::string what = std::string(label(bets[k])) + (flipped ? " flipped" : "");
            EXPECT_TRUE(app::cellBox(s.form(), cell).contains(drawn)) << what;
            EXPECT_TRUE(frame.contains(drawn)) << what;
            EXPECT_GE(drawn.height(), 18) << what;  // still a chip, not a dot
            // What is drawn is what the pointer finds; a click there enters nothing but the box.
            EXPECT_EQ(s.board().chipAt(drawn.center()), chips[k]) << what;
            EXPECT_EQ(s.board().hitAt(drawn.center()),
                      (app::BoardWidget::Hit{app::BoardWidget::Hit::Kind::Cell, cell}))
                << what;
            // The chip's dark red over the cloth, between its edge and its stake.
            const QRectF stake = app::stakeRect(app::chipLook(s.form(), chip), "25");
            EXPECT_TRUE(drawn.contains(stake.center())) << what;
            const QPoint side((drawn.left() + 2 + stake.left()) / 2, drawn.center().y());
            // Over the cloth, or over what the bare board shows there (the Red diamond); a
            // caption steps aside from the stake.
            const auto over = [](const QColor& under) {
                return QColor(qRound(0.85 * 0x7F + 0.15 * under.red()),
                              qRound(0.15 * under.green()), qRound(0.15 * under.blue()));
            };
            EXPECT_TRUE(near(pixel(picture, side), over(kCloth), 30) ||
                        near(pixel(picture, side), over(pixel(bare, side)), 30))
                << what << " " << pixel(picture, side).name().toStdString();
        }
    }
}

TEST(Chips, InsideChipsKeepTheirSpots) {
    Session s;
    const std::vector<BetId> bets{bet_ids::FirstCorner, bet_ids::FirstSplit, bet_ids::FirstTrio,
                                  bet_ids::FirstLine, singleOf(17)};
    const std::vector<int> chips = lay(s, bets);
    for (const int i : chips) {
        const Chip& chip = s.form().chips[static_cast<std::size_t>(i)];
        EXPECT_EQ(app::chipRect(s.form(), chip),
                  QRectF(chip.left / 15.0, chip.top / 15.0, s.form().chipWidth / 15.0,
                         s.form().chipHeight / 15.0))
            << label(static_cast<BetId>(chip.bet));
    }
}

}  // namespace
}  // namespace brisvale::gui_test
