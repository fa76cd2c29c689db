// CKel_ComboBox: selection rules and the notification of a choice in the drop-down.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QTest>

#include "controls/ckel_combobox.h"
#include "tests/ui/ui_test_support.h"

namespace velto {
namespace {

constexpr int kId = 5025;

class ListTest : public ::testing::Test {
  protected:
    ListTest() : list(&owner) {
        list.SetControlId(kId);
        list.SetIndex(1);
        list.setGeometry(30, 30, 272, 38);
        list.SetSkin(&owner.skin, 143, 4);
        for (const char* item : {"OFF", "BW 6db", "BW 12db", "LR 24db", "USER"}) {
            list.addItem(QString::fromLatin1(item));
        }
        list.SetCurSel(0);
        list.show();
    }
    test::RecordingOwner owner;
    CKel_ComboBox list;
};

TEST_F(ListTest, SelectionBeyondTheItemsShowsItemZero) {
    list.SetCurSel(3);
    EXPECT_EQ(list.DisplayedText(), QStringLiteral("LR 24db"));
    list.SetCurSel(7);
    EXPECT_EQ(list.GetCurSel(), 0);
    EXPECT_EQ(list.DisplayedText(), QStringLiteral("OFF"));
}

TEST_F(ListTest, SelectItemShowsTheIndexWithoutNotifying) {
    list.SelectItem(2);
    EXPECT_EQ(list.DisplayedText(), QStringLiteral("BW 12db"));
    list.SelectItem(9);
    EXPECT_EQ(list.DisplayedText(), QStringLiteral("OFF"));
    owner.DrainPosted();
    EXPECT_TRUE(owner.messages.empty());
}

TEST_F(ListTest, ChoosingInTheDropDownPostsTheIndexInBothArguments) {
    list.showPopup();
    QAbstractItemView* view = list.view();
    ASSERT_TRUE(view->isVisible());
    const QRect item = view->visualRect(view->model()->index(3, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, item.center());
    owner.DrainPosted();
    EXPECT_EQ(list.GetCurSel(), 3);
    EXPECT_EQ(owner.messages, (std::vector<test::Received>{{kId, 1, 1}}));
}

TEST_F(ListTest, HiddenOrDisabledListIgnoresTheKeyboard) {
    list.SetInputEnabled(false);
    QTest::keyClick(&list, Qt::Key_Down);
    owner.DrainPosted();
    EXPECT_EQ(list.GetCurSel(), 0);
    EXPECT_TRUE(owner.messages.empty());
}

TEST_F(ListTest, FocusSelectsTheFocusedFrame) {
    list.clearFocus();
    list.repaint();
    const QImage normal = list.ComposedImage();
    list.setFocus();
    list.repaint();
    EXPECT_NE(list.ComposedImage(), normal);
}

}  // namespace
}  // namespace velto
