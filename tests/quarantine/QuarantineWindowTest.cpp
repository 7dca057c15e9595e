#include <gtest/gtest.h>

#include "AppShell.h"
#include "platform/FileSystem.h"
#include "quarantine/TForm9.h"

namespace {

std::vector<std::string> Captions(const TListView& list)
{
    std::vector<std::string> captions;
    for (const TListItem& row : list.Items())
        captions.push_back(row.Caption);
    return captions;
}

} // namespace

TEST(QuarantineWindow, AddTaskShowsTheFileAndRefusesItTwice)
{
    TestFolder folder;
    AppShell shell(folder);
    TForm9& window = *shell.context.Form9;
    const MessageTable& m = shell.state.Messages;
    window.Show();
    EXPECT_EQ(window.List1->Count(), 0);

    const std::string file = folder.Write("picked.exe", "picked");
    shell.renderer.ChooseFile(file);
    shell.renderer.Answer(idOk);
    window.xpButton3->Click();
    shell.renderer.ChooseFile(file);
    shell.renderer.Answer(idOk);
    window.xpButton3->Click();
    shell.renderer.ChooseFile(std::nullopt); // cancelled: nothing happens
    window.xpButton3->Click();

    ASSERT_EQ(shell.renderer.Boxes().size(), 2u);
    EXPECT_EQ(shell.renderer.Boxes()[0].Text, m.Text(Msg::FileAddedToQuarantine));
    EXPECT_EQ(shell.renderer.Boxes()[1].Text, m.Text(Msg::AlreadyInQuarantine));
    ASSERT_EQ(window.List1->Count(), 1);
    const TListItem& row = window.List1->Item(0);
    EXPECT_EQ(row.Caption, file);
    ASSERT_EQ(row.SubItems.size(), 2u);
    EXPECT_EQ(row.SubItems[0], "Unknown");
    EXPECT_FALSE(row.SubItems[1].empty());
    EXPECT_TRUE(row.Checked);
    EXPECT_EQ(FileText(file), "picked"); // adding never deletes the source
}

TEST(QuarantineWindow, RestoreFindsEachRowsEntryWhenAnEarlierRowFails)
{
    TestFolder folder;
    AppShell shell(folder);
    TForm9& window = *shell.context.Form9;
    const MessageTable& m = shell.state.Messages;
    CreateDirectoryA((folder / "x").c_str(), nullptr);
    CreateDirectoryA((folder / "y").c_str(), nullptr);
    const std::string first = folder.Write("x\\same.exe", "first");
    const std::string second = folder.Write("y\\same.exe", "second");
    const std::string third = folder.Write("third.exe", "third");
    QuarantineStore& store = shell.context.Quarantine;
    for (const std::string& file : {first, second, third})
        ASSERT_TRUE(QuarantineAdd(store, file, "Trojan.Test", ""));
    for (const std::string& file : {first, second, third})
        ASSERT_TRUE(DeleteFileA(file.c_str()));
    window.Show();
    ASSERT_EQ(window.List1->Count(), 3);

    // The first row cannot restore: a folder sits where its file would go.
    CreateDirectoryA(first.c_str(), nullptr);
    window.List1->SetChecked(1, false);
    shell.renderer.Answer(idYes);
    shell.renderer.Answer(idOk);
    window.xpButton2->Click();

    EXPECT_EQ(Captions(*window.List1),
              (std::vector<std::string>{m.Text(Msg::CannotRestoreFile), second, m.Text(Msg::FileRestored)}));
    EXPECT_EQ(FileText(third), "third");
    EXPECT_FALSE(FileExists(second));
    EXPECT_EQ(window.Bar1->SimpleText(), m.Text(Msg::RestoringStatus) + third);
    EXPECT_EQ(shell.renderer.Boxes()[1].Text, m.Text(Msg::TasksRestored));
    EXPECT_EQ(shell.renderer.Boxes()[0].Flags, unsigned(mbYesNo | mbIconQuestion)); // on top
    EXPECT_TRUE(QuarantineContains(store, first));
    EXPECT_TRUE(QuarantineContains(store, second));
    EXPECT_FALSE(QuarantineContains(store, third));

    // Both files of the same name come back, each from its own copy.
    RemoveDirectoryA(first.c_str());
    window.xpButton6->Click();
    ASSERT_EQ(window.List1->Count(), 2);
    shell.renderer.Answer(idYes);
    shell.renderer.Answer(idOk);
    window.xpButton2->Click();
    EXPECT_EQ(FileText(first), "first");
    EXPECT_EQ(FileText(second), "second");
}

TEST(QuarantineWindow, RemoveAndClearDropEntriesAndTheirCopies)
{
    TestFolder folder;
    AppShell shell(folder);
    TForm9& window = *shell.context.Form9;
    const MessageTable& m = shell.state.Messages;
    const std::string a = folder.Write("a.exe", "a"), b = folder.Write("b.exe", "b"), c = folder.Write("c.exe", "c");
    QuarantineStore& store = shell.context.Quarantine;
    for (const std::string& file : {a, b, c})
        ASSERT_TRUE(QuarantineAdd(store, file, "Task", ""));
    window.Show();
    window.List1->SetChecked(1, false);

    shell.renderer.Answer(idNo); // declined: nothing changes
    window.xpButton4->Click();
    EXPECT_EQ(store.QuarantineList.size(), 3u);

    shell.renderer.Answer(idYes);
    shell.renderer.Answer(idOk);
    window.xpButton4->Click();
    EXPECT_EQ(Captions(*window.List1),
              (std::vector<std::string>{m.Text(Msg::TaskRemoved), b, m.Text(Msg::TaskRemoved)}));
    EXPECT_EQ(shell.renderer.Boxes().back().Text, m.Text(Msg::TasksRemoved));
    QuarantineStore reread(folder.Path());
    ASSERT_EQ(RefreshQuarantineList(reread).size(), 1u);
    EXPECT_EQ(reread.QuarantineList[0].FileName, b);
    const std::string stored = store.StoredCopyOf(reread.QuarantineList[0]);
    EXPECT_TRUE(FileExists(stored));

    shell.renderer.Answer(idYes);
    shell.renderer.Answer(idOk);
    window.xpButton5->Click();
    EXPECT_EQ(window.List1->Count(), 0);
    EXPECT_EQ(shell.renderer.Boxes().back().Text, m.Text(Msg::QuarantineCleared));
    EXPECT_FALSE(FileExists(stored));
    EXPECT_FALSE(FileExists(store.IndexFile()));
    EXPECT_EQ(FileText(b), "b"); // the sources were never touched

    // Only the two questions go without the on-top flag; their answers keep it.
    std::vector<std::string> notOnTop;
    for (const auto& box : shell.renderer.Boxes())
        if (box.Flags & mbNotTopMost)
            notOnTop.push_back(box.Text);
    EXPECT_EQ(notOnTop, (std::vector<std::string>{m.Text(Msg::DeleteTasksQuestion), m.Text(Msg::DeleteTasksQuestion),
                                                  m.Text(Msg::ClearQuarantineQuestion)}));
}
