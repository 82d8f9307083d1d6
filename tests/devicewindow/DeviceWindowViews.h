#ifndef PCIZ_TESTS_DEVICE_WINDOW_VIEWS_H
#define PCIZ_TESTS_DEVICE_WINDOW_VIEWS_H

// The device window's views, collected in the order the window adds them; the names met on
// the way are checked, so a view added out of place fails the collection.

#include <PciStringView.h>
#include <RowLabels.h>
#include <Window.h>

#include <gtest/gtest.h>

#include <string>

struct DeviceWindowViews {
    PciStringView* version = nullptr;
    PciStringView* labels[kRowCount] = {};
    PciStringView* values[kRowCount] = {};
    PciStringView* vendorName = nullptr;
    PciStringView* subclassName = nullptr;
    PciStringView* className = nullptr;
    PciStringView* subsystemVendorName = nullptr;
    PciStringView* bridgeLabels[kBridgeRowCount] = {};
    PciStringView* bridgeValues[kBridgeRowCount] = {};
};

class ViewWalker {
public:
    explicit ViewWalker(const BWindow* window) : fWindow(window) {}

    PciStringView* Next(const char* expectedName)
    {
        BView* view = fWindow->ChildAt(fNext++);
        EXPECT_NE(view, nullptr) << "missing view " << expectedName;
        if (view == nullptr)
            return nullptr;
        EXPECT_EQ(std::string(view->Name()), expectedName) << "child " << fNext - 1;
        return dynamic_cast<PciStringView*>(view);
    }
    void Skip(int count) { fNext += count; }
    bool AtEnd() const { return fNext == fWindow->CountChildren(); }

private:
    const BWindow* fWindow;
    int32 fNext = 0;
};

inline DeviceWindowViews CollectViews(const BWindow* window)
{
    DeviceWindowViews views;
    ViewWalker walker(window);
    views.version = walker.Next("version");
    walker.Next("EditButton");
    walker.Next("devicemenu");
    for (int row = 0; row < kRowCount; ++row) {
        if (row == kCardBusRow)
            continue;
        const char* name = kRowLabels[row];
        if (row == 0)
            views.vendorName = walker.Next(name);
        if (row == 7)
            views.subclassName = walker.Next(name);
        if (row == 8)
            views.className = walker.Next(name);
        if (row == 15)
            views.subsystemVendorName = walker.Next(name);
        views.labels[row] = walker.Next(name);
        views.values[row] = walker.Next(name);
    }
    for (int row = 0; row < kBridgeRowCount; ++row) {
        views.bridgeLabels[row] = walker.Next(kBridgeLabels[row]);
        views.bridgeValues[row] = walker.Next("");
    }
    EXPECT_TRUE(walker.AtEnd());
    return views;
}

#endif
