#include "KitTestSupport.h"

#include <AppDefs.h>
#include <Message.h>
#include <Messenger.h>
#include <Window.h>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

// Records what it is handed, and whether it agrees to quit.
class RecordingWindow : public BWindow {
public:
    explicit RecordingWindow(bool agreesToQuit = true, bool* destroyed = nullptr)
        : BWindow(BRect(10, 10, 110, 60), "recording", B_TITLED_WINDOW,
                  B_NOT_RESIZABLE | B_NOT_ZOOMABLE),
          fAgrees(agreesToQuit), fDestroyed(destroyed)
    {
    }
    ~RecordingWindow() override
    {
        if (fDestroyed != nullptr)
            *fDestroyed = true;
    }

    void MessageReceived(BMessage* message) override
    {
        received.push_back(*message);
        receivedAt.push_back(message);
    }
    bool QuitRequested() override
    {
        ++quitRequests;
        return fAgrees;
    }

    std::vector<BMessage> received;
    std::vector<const BMessage*> receivedAt;
    int quitRequests = 0;

private:
    bool fAgrees;
    bool* fDestroyed;
};

} // namespace

TEST(Looper, MessagesArriveInTheOrderPostedAndOnlyWhenDelivered)
{
    auto* window = new RecordingWindow;
    for (uint32 code = 0; code < 50; ++code)
        ASSERT_EQ(window->PostMessage(code), B_OK);
    EXPECT_TRUE(window->received.empty());

    kittest::DeliverPostedMessages();
    ASSERT_EQ(window->received.size(), 50u);
    for (uint32 code = 0; code < 50; ++code)
        EXPECT_EQ(window->received[code].what, code);
    window->Quit();
    kittest::DeliverPostedMessages();
}

TEST(Looper, PostingDeliversACopyAndTheCallerKeepsItsMessage)
{
    auto* window = new RecordingWindow;
    BMessage message(5);
    message.AddInt32("ID", 1);
    window->PostMessage(&message);
    message.AddInt32("ID", 2);
    message.what = 6;

    kittest::DeliverPostedMessages();
    ASSERT_EQ(window->received.size(), 1u);
    EXPECT_NE(window->receivedAt[0], &message);
    EXPECT_EQ(window->received[0].what, 5u);
    int32 count = 0;
    window->received[0].GetInfo("ID", nullptr, &count);
    EXPECT_EQ(count, 1);
    window->Quit();
    kittest::DeliverPostedMessages();
}

TEST(Looper, AWindowThatQuitTakesNoMoreMessagesAndMessengersToItFailSafely)
{
    bool destroyed = false;
    auto* window = new RecordingWindow(true, &destroyed);
    BMessenger messenger(window);
    ASSERT_TRUE(messenger.IsValid());
    window->PostMessage(1);
    window->Quit();
    // Queued before the quit, never handled: the window is destroyed unread.
    kittest::DeliverPostedMessages();
    EXPECT_TRUE(destroyed);

    EXPECT_FALSE(messenger.IsValid());
    EXPECT_EQ(messenger.SendMessage(2), B_BAD_PORT_ID);
    EXPECT_EQ(BMessenger().SendMessage(2), B_BAD_PORT_ID);
    kittest::DeliverPostedMessages();
}

TEST(Looper, MessagesPostedFromOtherThreadsAllArrive)
{
    auto* window = new RecordingWindow;
    BMessenger messenger(window);
    std::vector<std::thread> posters;
    for (int thread = 0; thread < 4; ++thread)
        posters.emplace_back([&messenger, thread] {
            for (int i = 0; i < 250; ++i)
                messenger.SendMessage(static_cast<uint32>(thread * 1000 + i));
        });
    for (std::thread& poster : posters)
        poster.join();

    kittest::DeliverPostedMessages();
    ASSERT_EQ(window->received.size(), 1000u);
    // Each thread's own messages stay in the order it posted them.
    std::vector<int> next(4, 0);
    for (const BMessage& message : window->received) {
        int thread = static_cast<int>(message.what / 1000);
        EXPECT_EQ(static_cast<int>(message.what % 1000), next[thread]++);
    }
    window->Quit();
    kittest::DeliverPostedMessages();
}

TEST(Looper, QuitRequestLetsTheWindowDecide)
{
    bool refuserDestroyed = false;
    auto* refuser = new RecordingWindow(false, &refuserDestroyed);
    refuser->Show();
    kittest::CloseWindow(refuser);
    kittest::DeliverPostedMessages();
    EXPECT_EQ(refuser->quitRequests, 1);
    EXPECT_FALSE(refuserDestroyed);
    EXPECT_TRUE(kittest::IsShown(refuser));

    bool agreerDestroyed = false;
    auto* agreer = new RecordingWindow(true, &agreerDestroyed);
    agreer->PostMessage(B_QUIT_REQUESTED);
    kittest::DeliverPostedMessages();
    EXPECT_TRUE(agreerDestroyed);

    refuser->Quit();
    kittest::DeliverPostedMessages();
    EXPECT_TRUE(refuserDestroyed);
}
