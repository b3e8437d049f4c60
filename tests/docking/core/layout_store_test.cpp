#include "docking/core/layout_store.h"

#include <gtest/gtest.h>

using namespace dockable;

TEST(LayoutStore, FormSectionWrittenInOrderAndReadBack) {
    MemoryLayoutStore store;
    FormRecord f;
    f.name = "frmInfo";
    f.State = 2;
    f.StateWhenVisible = 2;
    f.AlignWhenDocked = 4;
    f.HostPane = "frmOther";
    f.AlignToHostPane = 2;
    f.HostSplitProMille = 640;
    f.LeftWhenUnDocked = -300;
    f.TopWhenUnDocked = 40;
    f.WidthWhenUnDocked = 250;
    f.HeightWhenUnDocked = 400;
    f.CanDockTop = false;
    saveForm(store, "\"/opt/app\"", f);
    EXPECT_EQ(store.writes.join("\n").toStdString(),
              "frmInfo/State=2\nfrmInfo/StateWhenVisible=2\nfrmInfo/AlignWhenDocked=4\n"
              "frmInfo/HostPane=frmOther\nfrmInfo/AlignToHostPane=2\n"
              "frmInfo/HostSplitProMille=640\nfrmInfo/LeftWhenUnDocked=-300\n"
              "frmInfo/TopWhenUnDocked=40\nfrmInfo/WidthWhenUnDocked=250\n"
              "frmInfo/HeightWhenUnDocked=400\nfrmInfo/GrabberBar=False\n"
              "frmInfo/GrabberBarXBtn=True\nfrmInfo/CanDockLeft=True\nfrmInfo/CanDockRight=True\n"
              "frmInfo/CanDockTop=False\nfrmInfo/CanDockBottom=True");
    FormRecord back;
    back.name = "frmInfo";
    QStringList bad;
    loadForm({store, "\"/opt/app\"", bad}, back);
    EXPECT_TRUE(bad.isEmpty());
    EXPECT_EQ(back.State, 2);
    EXPECT_EQ(back.HostPane, "frmOther");
    EXPECT_EQ(back.HostSplitProMille, 640);
    EXPECT_EQ(back.LeftWhenUnDocked, -300);
    EXPECT_FALSE(back.CanDockTop);
}

TEST(LayoutStore, EmptyStoreChangesNothingAndNamesMatchInAnyCase) {
    MemoryLayoutStore store;
    FormRecord f;
    f.name = "A";
    f.AlignWhenDocked = 3;
    FormRecord before = f;
    QStringList bad;
    loadForm({store, "app", bad}, f);
    EXPECT_TRUE(bad.isEmpty());
    EXPECT_EQ(f.AlignWhenDocked, before.AlignWhenDocked);
    store.SaveSetting("app", "EDGES", "LEFT", "200");
    int dwidth[5] = {0, 10, 20, 30, 40};
    loadEdges({store, "app", bad}, dwidth);
    EXPECT_EQ(dwidth[3], 200);
    EXPECT_EQ(dwidth[1], 10);
}

TEST(LayoutStore, UnreadableValuesAreNamedAndLeaveTheFields) {
    MemoryLayoutStore store;
    store.SaveSetting("app", "A", "State", "docked");
    store.SaveSetting("app", "A", "HostSplitProMille", "70000"); // past 16 bits
    store.SaveSetting("app", "A", "CanDockLeft", "maybe");
    store.SaveSetting("app", "A", "AlignWhenDocked", "9");
    FormRecord f;
    f.name = "A";
    QStringList bad;
    loadForm({store, "app", bad}, f);
    EXPECT_EQ(
        bad, (QStringList{"A/State", "A/HostSplitProMille", "A/CanDockLeft", "A/AlignWhenDocked"}));
    EXPECT_EQ(f.State, 0);
    EXPECT_EQ(f.HostSplitProMille, 500);
    EXPECT_TRUE(f.CanDockLeft);
    EXPECT_EQ(f.AlignWhenDocked, 0);
}

TEST(LayoutStore, SplittersStoredUnderTheLeafAndRestoredOnItsParent) {
    SplitTree t;
    t.AddPane("A", "", 4, 500);
    t.AddPane("B", "", 2, 300);
    MemoryLayoutStore store;
    saveSplitters(store, "app", 3, t);
    EXPECT_EQ(store.GetSetting("app", "Splitters3Split", "B", ""), "300");
    EXPECT_EQ(store.GetSetting("app", "Splitters3Align", "A", ""), "2");
    store.SaveSetting("app", "Splitters3Split", "B", "650");
    store.SaveSetting("app", "Splitters3Align", "B", "3");
    QStringList bad;
    EXPECT_TRUE(loadSplitters({store, "app", bad}, 3, t, "B"));
    EXPECT_EQ(t.slot(2).SplitPromille, 650);
    EXPECT_EQ(t.slot(2).Child2Align, 3);
    // A split stored without its side takes side 1.
    store.values.erase({"app", "splitters3align", "b"});
    EXPECT_TRUE(loadSplitters({store, "app", bad}, 3, t, "B"));
    EXPECT_EQ(t.slot(2).Child2Align, 1);
    EXPECT_FALSE(loadSplitters({store, "app", bad}, 4, t, "B"));
}

TEST(LayoutStore, DeleteTakesOnlyThatApplication) {
    MemoryLayoutStore store;
    store.SaveSetting("one", "Edges", "Left", "1");
    store.SaveSetting("two", "Edges", "Left", "2");
    store.DeleteSetting("one");
    EXPECT_EQ(store.GetSetting("one", "Edges", "Left", "none"), "none");
    EXPECT_EQ(store.GetSetting("two", "Edges", "Left", "none"), "2");
}
