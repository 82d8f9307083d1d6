#include "KitTestSupport.h"

#include <StringView.h>

#include <gtest/gtest.h>

TEST(Window, FramesAreInclusiveAndViewsAreFoundByName)
{
    auto* window = new BWindow(BRect(100, 80, 400, 360), "Frames", B_TITLED_WINDOW, B_NOT_RESIZABLE);
    EXPECT_EQ(window->Frame(), BRect(100, 80, 400, 360));
    window->ResizeBy(0, 60);
    EXPECT_EQ(window->Bounds(), BRect(0, 0, 300, 340));
    auto* first = new BStringView(BRect(0, 0, 10, 10), "twin", "a");
    window->AddChild(first);
    window->AddChild(new BStringView(BRect(0, 20, 10, 30), "twin", "b"));
    EXPECT_EQ(window->FindView("twin"), first);
    EXPECT_EQ(window->FindView("absent"), nullptr);
    window->Quit();
    kittest::DeliverPostedMessages();
}
