#include "KitTestSupport.h"

#include <StringView.h>
#include <Window.h>

#include <gtest/gtest.h>

namespace {

BWindow* MakeWindow()
{
    return new BWindow(BRect(100, 80, 400, 360), "Frames", B_TITLED_WINDOW,
                       B_NOT_RESIZABLE | B_NOT_ZOOMABLE);
}

void Dispose(BWindow* window)
{
    window->Quit();
    kittest::DeliverPostedMessages();
}

} // namespace

TEST(Window, FramesAreInclusiveAndResizeByMovesTheBottomEdge)
{
    BWindow* window = MakeWindow();
    EXPECT_EQ(window->Frame(), BRect(100, 80, 400, 360));
    EXPECT_EQ(window->Bounds().Height(), 280);
    EXPECT_STREQ(window->Title(), "Frames");

    window->ResizeBy(0, 60);
    EXPECT_EQ(window->Frame(), BRect(100, 80, 400, 420));
    window->ResizeBy(0, -60);
    EXPECT_EQ(window->Bounds(), BRect(0, 0, 300, 280));
    Dispose(window);
}

TEST(Window, ChildrenKeepTheirOrderAndAreFoundByName)
{
    BWindow* window = MakeWindow();
    auto* first = new BStringView(BRect(0, 0, 10, 10), "twin", "a");
    auto* second = new BStringView(BRect(0, 20, 10, 30), "twin", "b");
    window->AddChild(first);
    window->AddChild(second);

    EXPECT_EQ(window->CountChildren(), 2);
    EXPECT_EQ(window->ChildAt(1), second);
    EXPECT_EQ(window->ChildAt(2), nullptr);
    EXPECT_EQ(window->FindView("twin"), first);
    EXPECT_EQ(window->FindView("absent"), nullptr);
    EXPECT_EQ(first->Window(), window);
    EXPECT_EQ(second->Frame(), BRect(0, 20, 10, 30));
    Dispose(window);
}

TEST(Window, ActivateBringsAShownWindowToTheFront)
{
    BWindow* back = MakeWindow();
    BWindow* front = MakeWindow();
    back->Show();
    front->Show();
    back->Activate(true);
    kittest::DeliverPostedMessages();
    EXPECT_TRUE(back->IsActive());
    EXPECT_FALSE(front->IsActive());
    Dispose(back);
    Dispose(front);
}
