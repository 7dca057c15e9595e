#include <gtest/gtest.h>

#include "AppShell.h"
#include "TestFolder.h"
#include "shell/TForm1.h"

TEST(MainWindow, EveryCommandIsWiredAndScanForVirusesShowsItsPageWhateverTheAnswer)
{
    TestFolder folder;
    AppShell shell(folder);
    TForm1& main = shell.Main();
    for (TButton* command : std::initializer_list<TButton*>{
             main.Button4,   main.Button7,    main.Button8,    main.xpButton15, main.Button9,    main.Button10,
             main.Button18,  main.xpButton3,  main.xpButton1,  main.xpButton4,  main.xpButton2,  main.xpButton6,
             main.Button17,  main.Button1,    main.Button3,    main.Button2,    main.xpButton5,  main.Button6,
             main.Button13,  main.Button16,   main.Button19,   main.xpButton8,  main.Button11,   main.Button12,
             main.Button14,  main.Button15,   main.xpButton14, main.xpButton13, main.xpButton12, main.xpButton11,
             main.xpButton9, main.xpButton10, main.xpButton25})
        EXPECT_TRUE(command->OnClick) << command->Name();

    shell.ShowScanPage();
    main.ShowPage(TForm1::HomePage);
    shell.renderer.Answer(idNo);
    main.Button4->Click();
    EXPECT_EQ(main.Note1->PageIndex(), TForm1::ScanPage);
    EXPECT_EQ(shell.renderer.Boxes().size(), 1u);
    EXPECT_TRUE(main.Memo2->Lines().empty());
    EXPECT_TRUE(main.Button6->Visible());

    // Without a selected service, "Restart Service" does what its two commands do then:
    // nothing, and it asks nothing.
    main.Button6->Click();
    main.xpButton15->Click();
    main.ListView2->SetSelectedIndex(-1);
    const size_t rows = main.ListView2->Items().size();
    main.xpButton11->Click();
    EXPECT_EQ(main.ListView2->Items().size(), rows);
    EXPECT_EQ(shell.renderer.Boxes().size(), 1u);
}

TEST(MainWindow, AResizeShowsTheDatabaseDateAndWelcomeInTheCurrentLanguage)
{
    TestFolder folder;
    AppShell shell(folder);
    TForm1& main = shell.Main();
    shell.ShowScanPage();
    shell.state.Messages.Text(Msg::LastUpdate) = "Letzte Aktualisierung: ";
    shell.state.Messages.Text(Msg::Welcome) = "Willkommen";
    main.Resize(700, 500);
    EXPECT_EQ(main.Label2->Caption().rfind("Letzte Aktualisierung: ", 0), 0u);
    EXPECT_EQ(main.sb1->PanelText(2), main.Label2->Caption());
    EXPECT_EQ(main.GroupBox1->Caption(), "Willkommen");
}
