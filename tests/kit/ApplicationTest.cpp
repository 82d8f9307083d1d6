#include "KitTestSupport.h"

#include <AppDefs.h>
#include <Application.h>
#include <Window.h>

#include <gtest/gtest.h>

namespace {

class PollWindow : public BWindow {
public:
    PollWindow(bool agrees, int* asked)
        : BWindow(BRect(0, 0, 50, 50), "poll", B_TITLED_WINDOW, 0), fAgrees(agrees), fAsked(asked)
    {
    }
    bool QuitRequested() override
    {
        ++*fAsked;
        return fAgrees;
    }

private:
    bool fAgrees;
    int* fAsked;
};

} // namespace

TEST(Application, QuitRequestAsksEveryWindowAndEndsRun)
{
    BApplication app("application/x-vnd.test");
    ASSERT_EQ(be_app, &app);
    int asked = 0;
    new PollWindow(true, &asked);
    new PollWindow(true, &asked);
    app.PostMessage(B_QUIT_REQUESTED);

    app.Run();
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(app.CountWindows(), 0);
    EXPECT_EQ(app.PostMessage(B_QUIT_REQUESTED), B_BAD_PORT_ID);
}

TEST(Application, AWindowThatRefusesKeepsTheApplicationRunning)
{
    BApplication app("application/x-vnd.test");
    int asked = 0;
    auto* refuser = new PollWindow(false, &asked);
    new PollWindow(true, &asked);

    app.PostMessage(B_QUIT_REQUESTED);
    kittest::DeliverPostedMessages();
    EXPECT_EQ(asked, 2);
    ASSERT_EQ(app.CountWindows(), 1);
    EXPECT_EQ(app.WindowAt(0), refuser);
    EXPECT_FALSE(app.IsQuitting());
}

TEST(Application, WindowsLeftOpenGoWithTheApplication)
{
    int asked = 0;
    {
        BApplication app("application/x-vnd.test");
        new PollWindow(false, &asked);
        EXPECT_STREQ(app.Signature(), "application/x-vnd.test");
    }
    EXPECT_EQ(be_app, nullptr);
}
