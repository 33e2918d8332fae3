#include "fakes.h"
#include "form1_layout.h"
#include "pellets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace croquel {
namespace {

using testing::Game;

// What the window holds when it is created, before the load handler.
TEST(Startup, NewWindowHoldsTheLayoutsInitialState)
{
    Module1 module;
    testing::ScriptedKeys keys;
    testing::ScriptedRandom random;
    testing::RecordingMessageBox box;
    testing::RecordingUnloader unloader;
    const Form1 form(module, Platform{keys, random, box, unloader});

    EXPECT_EQ(form.Picture1.Left, 150.0F);
    EXPECT_EQ(form.Picture1.Top, 120.0F);
    EXPECT_EQ(form.Picture5.Left, 9660.0F);
    EXPECT_EQ(form.Picture5.Top, 3330.0F);
    for (int n = 1; n <= 5; ++n) {
        EXPECT_TRUE(form.picture(n).Visible) << n;
    }
    for (int n = 1; n <= form1Images; ++n) {
        EXPECT_TRUE(form.Image[static_cast<std::size_t>(n)].Visible) << n;
    }
    EXPECT_EQ(form.Label1.Caption, "Label1");
    EXPECT_EQ(form.Label2.Caption, "");
    EXPECT_EQ(form.points, 0);
    EXPECT_EQ(form.gapv, 0);
    EXPECT_EQ(form.gaph, 0);
    EXPECT_EQ(form.upflag, 0);
    EXPECT_EQ(form.leftflag, 0);
    EXPECT_EQ(form.savetop, 0);
    EXPECT_EQ(form.saveleft, 0);
    EXPECT_EQ(form.Timer1.Interval, 250);
    EXPECT_EQ(form.Timer2.Interval, 50);
    EXPECT_EQ(form.Timer3.Interval, 200);
    EXPECT_TRUE(form.Timer1.Enabled && form.Timer2.Enabled && form.Timer3.Enabled);
}

TEST(Startup, LoadPlacesPlayerAndChaserAndTouchesNothingElse)
{
    Game game;
    EXPECT_EQ(game.module.top, 50);
    EXPECT_EQ(game.module.left, 50);
    EXPECT_EQ(game.module.junction, 0);
    EXPECT_EQ(game.module.nbra, 0);
    EXPECT_EQ(game.module.lastmove, 0);
    EXPECT_EQ(game.module.prefdir, 0);
    EXPECT_EQ(game.form.points, 0);

    EXPECT_EQ(game.form.Picture5.Top, 3150.0F);
    EXPECT_EQ(game.form.Picture5.Left, 4390.0F);
    EXPECT_TRUE(game.form.Picture5.Visible);
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(game.form.picture(n).Top, 50.0F) << n;
        EXPECT_EQ(game.form.picture(n).Left, 50.0F) << n;
        EXPECT_EQ(game.form.picture(n).Visible, n == 1) << n;
    }
    EXPECT_EQ(game.form.Label1.Caption, "Label1");
    EXPECT_EQ(game.form.Label2.Caption, "");
    EXPECT_TRUE(game.random.calls.empty());
    EXPECT_TRUE(game.keys.polls.empty());
}

TEST(Startup, ModuleOutlivesTheWindowAndIsNotReset)
{
    Game game;
    game.module.lastmove = 3;
    game.module.junction = 7;
    Form1 second(game.module, Platform{game.keys, game.random, game.messageBox, game.unloader});
    second.Form_Load();
    EXPECT_EQ(game.module.lastmove, 3);
    EXPECT_EQ(game.module.junction, 7);
    EXPECT_EQ(second.points, 0);
}

// The layout as data: counts, stacking order and the pellets' cells.
TEST(Form1Layout, HasEveryChildOnceInStackingOrder)
{
    int boxes = 0;
    int labels = 0;
    std::set<int> images;
    for (const ControlLayout& child : form1Children) {
        boxes += child.kind == ControlKind::PictureBox;
        labels += child.kind == ControlKind::Label;
        if (child.kind == ControlKind::Image) {
            EXPECT_TRUE(images.insert(child.number).second) << "Image" << child.number;
        }
    }
    EXPECT_EQ(boxes, 5);
    EXPECT_EQ(labels, 2);
    EXPECT_EQ(images.size(), 49U);
    EXPECT_EQ(*images.begin(), 1);
    EXPECT_EQ(*images.rbegin(), 49);

    // Sprite boxes first, top-most first, then images and labels.
    const std::vector<int> boxOrder{4, 3, 1, 2, 5};
    for (std::size_t i = 0; i < boxOrder.size(); ++i) {
        EXPECT_EQ(form1Children[i].kind, ControlKind::PictureBox);
        EXPECT_EQ(form1Children[i].number, boxOrder[i]);
    }
    const auto indexOf = [](ControlKind kind, int number) {
        return std::ranges::find_if(form1Children,
                                    [&](const ControlLayout& c) { return c.kind == kind && c.number == number; })
               - form1Children.begin();
    };
    EXPECT_EQ(indexOf(ControlKind::Image, 49), 5);
    EXPECT_LT(indexOf(ControlKind::Image, 28), indexOf(ControlKind::Label, 1));
    EXPECT_LT(indexOf(ControlKind::Label, 1), indexOf(ControlKind::Image, 27));
    EXPECT_LT(indexOf(ControlKind::Image, 27), indexOf(ControlKind::Image, 26));
    EXPECT_LT(indexOf(ControlKind::Image, 18), indexOf(ControlKind::Label, 2));
    EXPECT_LT(indexOf(ControlKind::Label, 2), indexOf(ControlKind::Image, 17));
    EXPECT_LT(indexOf(ControlKind::Image, 3), indexOf(ControlKind::Image, 4));
    EXPECT_EQ(indexOf(ControlKind::Image, 1), 55);
}

TEST(Form1Layout, EveryPelletImageLiesInTheCellWhereItIsEaten)
{
    std::set<int> wallImages{1, 2, 18, 19, 20, 26, 27};
    int pellets = 0;
    for (const ControlLayout& child : form1Children) {
        if (child.kind != ControlKind::Image) {
            continue;
        }
        const bool isWall = wallImages.contains(child.number);
        EXPECT_EQ(child.picture == Picture::Pellet, !isWall) << "Image" << child.number;
        if (isWall) {
            EXPECT_EQ(child.width % twipsPerPixel, 0);
            continue;
        }
        ++pellets;
        const auto row = std::ranges::find(pelletTable, child.number, &PelletRow::image);
        ASSERT_NE(row, pelletTable.end()) << "Image" << child.number;
        EXPECT_EQ((child.top - 50) / 620, (row->top - 50) / 620) << "Image" << child.number;
        EXPECT_EQ((child.left - 50) / 620, (row->left - 50) / 620) << "Image" << child.number;
        EXPECT_EQ(child.width, 150);
        EXPECT_EQ(child.height, 150);
    }
    EXPECT_EQ(pellets, 42);
}

TEST(Form1Layout, PelletTableHasDistinctCellsOffTheStartCell)
{
    std::set<std::pair<int, int>> cells;
    for (const PelletRow& row : pelletTable) {
        EXPECT_TRUE(cells.insert({row.top, row.left}).second);
        EXPECT_EQ((row.left - 50) % 620, 0);
        EXPECT_EQ((row.top - 50) % 620, 0);
        EXPECT_LE(row.left, 50 + 6 * 620);
    }
    EXPECT_FALSE(cells.contains({50, 50}));
}

}  // namespace
}  // namespace croquel
