#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "LocalHttpServer.h"
#include "Md5Of.h"
#include "TestFolder.h"
#include "UpdateTree.h"
#include "core/DatabaseText.h"
#include "core/HashSignatures.h"
#include "database/DatabaseFile.h"
#include "ui/Application.h"
#include "ui/HeadlessRenderer.h"
#include "update/DatabaseUpdate.h"

namespace {

// Records what the update shows and answers its questions as told.
class RecordingUpdate : public UpdateView, public UpdateQuestions {
public:
    void SetUpdateLabel(const std::string& text) override { label = text; }
    void SetStatus(const std::string& text) override
    {
        status.push_back(text);
        if (OnStatus)
            OnStatus(text);
    }
    void SetDatabaseStatus(const std::string& text) override { databaseStatus = text; }
    void SetUpdateCommandsEnabled(bool on) override { commandsEnabled = on; }
    void SetMainEnabled(bool on) override { mainEnabled = on; }
    void Pump() override {}
    bool AskUpgrade(const std::string& text) override
    {
        shown.push_back("upgrade? " + text);
        return upgrade;
    }
    bool AskDatabaseUpdate(const std::string& text) override
    {
        shown.push_back("update? " + text);
        return true;
    }
    void Inform(const std::string& text, const std::string& caption) override
    {
        shown.push_back(caption + ": " + text);
    }
    void ShowError(const std::string& text, const std::string& caption) override
    {
        shown.push_back(caption + ": " + text);
    }
    void StartUpgrade(const std::string& label, const std::string& url, const std::string& file) override
    {
        upgradeStarted = label + " " + url + " " + file;
    }

    bool upgrade = false;
    std::string label, databaseStatus, upgradeStarted;
    bool commandsEnabled = true, mainEnabled = true;
    std::vector<std::string> status, shown;
    std::function<void(const std::string&)> OnStatus;
};

struct Update : ::testing::Test {
    Update() { renderer.Attach(app); }

    // Installs the database in the program folder and loads it, as the start-up does.
    void Install(int number, const std::vector<std::string>& records)
    {
        installed = FileText(tree.Installed(number, records));
        ASSERT_TRUE(LoadDatabase(tree.Program() + "files.dat", state.DatabaseStream));
    }
    std::string Files() const { return FileText(tree.Program() + "files.dat"); }
    std::string LoadedText() const
    {
        const auto& bytes = state.DatabaseStream.Bytes();
        return std::string(bytes.begin(), bytes.end());
    }
    DatabaseUpdate& Updater(const LocalHttpServer& server)
    {
        update = std::make_unique<DatabaseUpdate>(state, UpdateSite{server.Host(), tree.Program(), tree.Key()},
                                                  *fileGet, *listGet, window, window);
        return *update;
    }
    std::string Shown(Msg caption, Msg text) const
    {
        return state.Messages.Text(caption) + ": " + state.Messages.Text(text);
    }

    HeadlessRenderer renderer;
    TApplication app{&renderer};
    TestFolder folder;
    UpdateTree tree{folder};
    SharedState state;
    RecordingUpdate window;
    THTTPGet* fileGet = app.Make<THTTPGet>("Get1");
    THTTPGet* listGet = app.Make<THTTPGet>("Get2");
    std::unique_ptr<DatabaseUpdate> update;
    std::string installed;
};

TEST_F(Update, PiecesMergeInOrderAndFilesDatIsWrittenOnceAfterTheLast)
{
    Install(12, {Record(1)});
    tree.ServeList(UpdateTree::Date(15), ProgramVersionText, "10");
    tree.ServePiece(13, {Record(13)});
    tree.ServePiece(14, {Record(14)});
    tree.ServePiece(15, {Record(15)});
    LocalHttpServer server(tree.Www());
    std::vector<bool> untouchedBetweenPieces;
    window.OnStatus = [&](const std::string&) { untouchedBetweenPieces.push_back(Files() == installed); };

    RunUpdateCommand(Updater(server), window, state.Messages);

    EXPECT_EQ(
        WithoutSignatures(server.Requests()),
        (std::vector<std::string>{"/updr2/list.htm", "/updr2/upd/13.htm", "/updr2/upd/14.htm", "/updr2/upd/15.htm"}));
    const std::string merged = DatabaseText(UpdateTree::Date(15), {Record(1), Record(13), Record(14), Record(15)});
    EXPECT_EQ(LoadedText(), merged);
    EXPECT_EQ(Files(), Enciphered(merged));
    EXPECT_EQ(std::count(untouchedBetweenPieces.begin(), untouchedBetweenPieces.end(), false), 1)
        << "files.dat changes once, with the last status line";
    EXPECT_EQ(window.status.back(), state.Messages.Text(Msg::FinishedPrefix) +
                                        std::to_string(FileText(tree.Program() + "Upd.dat").size()) +
                                        state.Messages.Text(Msg::Bytes));
    EXPECT_EQ(window.label, state.Messages.Text(Msg::DatabaseUpdatedDate) + DatabaseDate(state.DatabaseStream, ""));
    EXPECT_TRUE(window.commandsEnabled);
    EXPECT_TRUE(update->DatabaseCurrent());
    EXPECT_FALSE(std::filesystem::exists(tree.Program() + "list.htm"));
}

TEST_F(Update, ABaseAboveTheInstalledNumberTakesTheFullFile)
{
    Install(12, {Record(1)});
    tree.ServeList(UpdateTree::Date(15), ProgramVersionText, "13");
    tree.ServeFull(15, {Record(2)});
    LocalHttpServer server(tree.Www());
    RunUpdateCommand(Updater(server), window, state.Messages);

    EXPECT_EQ(WithoutSignatures(server.Requests()), (std::vector<std::string>{"/updr2/list.htm", "/updr2/files2.htm"}));
    EXPECT_EQ(LoadedText(), DatabaseText(UpdateTree::Date(15), {Record(2)}));
    EXPECT_EQ(Files(), Enciphered(DatabaseText(UpdateTree::Date(15), {Record(2)})));
    EXPECT_FALSE(std::filesystem::exists(tree.Program() + "filess.dat"));
    EXPECT_TRUE(update->DatabaseCurrent());
}

TEST_F(Update, AFailedPieceStopsThePiecesAndTheFullFileFollows)
{
    Install(12, {Record(1)});
    tree.ServeList(UpdateTree::Date(15), ProgramVersionText, "10");
    tree.ServePiece(13, {Record(13)});
    tree.ServePiece(15, {Record(15)}); // 14 is missing: a 404 page
    tree.ServeFull(15, {Record(2)});
    LocalHttpServer server(tree.Www());
    RunUpdateCommand(Updater(server), window, state.Messages);

    EXPECT_EQ(
        WithoutSignatures(server.Requests()),
        (std::vector<std::string>{"/updr2/list.htm", "/updr2/upd/13.htm", "/updr2/upd/14.htm", "/updr2/files2.htm"}));
    EXPECT_NE(std::find(window.shown.begin(), window.shown.end(), Shown(Msg::ErrorCaption, Msg::CannotUpdateDatabase)),
              window.shown.end());
    EXPECT_EQ(LoadedText(), DatabaseText(UpdateTree::Date(15), {Record(2)}));
    EXPECT_TRUE(update->DatabaseCurrent());
}

// A full file that is too short, or does not load as a whole database, replaces nothing.
TEST_F(Update, AFullFileThatIsNoDatabaseChangesNothing)
{
    const std::string whole = Enciphered(DatabaseText(UpdateTree::Date(15), {Record(2)}));
    struct Case {
        std::string served;
        bool failureShown;
        const char* what;
    } cases[] = {
        {std::string(99, 'x'), false, "99 bytes"},
        {whole.substr(0, whole.size() - 3), true, "cut short"},
        {Enciphered(std::string(300, 'r')), true, "no date line and no _end"},
    };
    for (const Case& c : cases) {
        window.shown.clear();
        Install(12, {Record(1)});
        const std::string loaded = LoadedText();
        tree.ServeList(UpdateTree::Date(15));
        tree.Serve("files2.htm", c.served);
        LocalHttpServer server(tree.Www());
        RunUpdateCommand(Updater(server), window, state.Messages);

        EXPECT_EQ(Files(), installed) << c.what;
        EXPECT_EQ(LoadedText(), loaded) << c.what;
        EXPECT_FALSE(std::filesystem::exists(tree.Program() + "filess.dat")) << c.what;
        EXPECT_TRUE(window.commandsEnabled) << c.what;
        EXPECT_EQ(window.shown.size(), c.failureShown ? 2u : 1u) << c.what; // the question, the failure
        EXPECT_FALSE(update->DatabaseCurrent()) << c.what;
    }
}

TEST_F(Update, NothingNewSaysSoAndNoAnswerSaysCheckTheConnection)
{
    Install(12, {Record(1)});
    tree.ServeList(UpdateTree::Date(12));
    {
        LocalHttpServer server(tree.Www());
        RunUpdateCommand(Updater(server), window, state.Messages);
        EXPECT_EQ(update->Outcome(), UpdateOutcome::NothingOffered);
        EXPECT_EQ(window.shown, std::vector<std::string>{Shown(Msg::InformationCaption, Msg::AlreadyUpgraded)});
        EXPECT_TRUE(update->DatabaseCurrent());
        EXPECT_EQ(server.Requests(), (std::vector<std::string>{"/updr2/list.htm", "/updr2/list.htm.sig"}));
    }
    tree.Serve("list.htm", "<html><body>Welcome to our new web site</body></html>");
    LocalHttpServer invalid(tree.Www());
    LocalHttpServer missing(tree.Www(), "404");
    for (const std::string& host : {invalid.Host(), missing.Host(), std::string("127.0.0.1:1")}) {
        window.shown.clear();
        DatabaseUpdate check(state, UpdateSite{host, tree.Program(), tree.Key()}, *fileGet, *listGet, window, window);
        RunUpdateCommand(check, window, state.Messages);
        EXPECT_EQ(check.Outcome(), UpdateOutcome::InvalidList) << host;
        EXPECT_EQ(window.shown, std::vector<std::string>{state.Messages.Text(Msg::ConnectionErrorCaption) + ": " +
                                                         ConnectionErrorMessage(state.Messages)})
            << host;
        EXPECT_FALSE(check.DatabaseCurrent()) << host;
    }
    EXPECT_EQ(Files(), installed);
}

TEST_F(Update, ANewerProgramIsOfferedFirstAndARefusalHoldsBackTheDatabase)
{
    Install(12, {Record(1)});
    tree.ServeList(UpdateTree::Date(13), "Pyrafix Pro v8 - SE (Build date: 1.1.2011)");
    LocalHttpServer server(tree.Www());
    RunUpdateCommand(Updater(server), window, state.Messages);
    ASSERT_EQ(window.shown.size(), 2u);
    EXPECT_EQ(window.shown[0], "upgrade? " + state.Messages.Text(Msg::UpgradeQuestion) + "\r" +
                                   state.Messages.Text(Msg::YourVersionIs) + ProgramVersionText + "\r" +
                                   state.Messages.Text(Msg::NewVersionIs) +
                                   "Pyrafix Pro v8 - SE (Build date: 1.1.2011)");
    EXPECT_EQ(window.shown[1], Shown(Msg::InformationCaption, Msg::UpgradeProgramFirst));
    EXPECT_TRUE(update->UpgradeRefused());
    EXPECT_EQ(update->Outcome(), UpdateOutcome::Offered);
    EXPECT_TRUE(window.mainEnabled);

    window.shown.clear();
    window.upgrade = true;
    RunUpdateCommand(*update, window, state.Messages);
    EXPECT_EQ(window.upgradeStarted, state.Messages.Text(Msg::NewVersionIs) +
                                         "Pyrafix Pro v8 - SE (Build date: 1.1.2011) " +
                                         server.Url("/updr2/pyrxt.htm") + " " + tree.Program() + "pyrxt.exe");
    EXPECT_FALSE(window.mainEnabled); // until the upgrade window closes
    EXPECT_EQ(window.shown.size(), 1u);
}

// Whatever stands where a signature should, the file counts as not downloaded.
TEST_F(Update, AFileWithoutTheMakersSignatureIsNotTaken)
{
    const std::string random(SignatureBytes, 'S');
    const std::string other = tree.Signature("another file of the same server");
    const std::string cut = tree.Signature("x").substr(0, 40);
    const std::string* signatures[] = {nullptr, &random, &other, &cut};
    for (const std::string* signature : signatures) {
        window.shown.clear();
        Install(12, {Record(1)});
        const std::string loaded = LoadedText();
        // A list page without its signature is no answer.
        tree.ServeSignedAs("list.htm", ListPageText(UpdateTree::Date(15), ProgramVersionText, "10"), signature);
        {
            LocalHttpServer server(tree.Www());
            RunUpdateCommand(Updater(server), window, state.Messages);
            EXPECT_EQ(update->Outcome(), UpdateOutcome::InvalidList);
            EXPECT_EQ(WithoutSignatures(server.Requests()), std::vector<std::string>{"/updr2/list.htm"});
        }
        // A piece or a full file without one is a failed download.
        window.shown.clear();
        tree.ServeList(UpdateTree::Date(15), ProgramVersionText, "10");
        tree.ServePiece(13, {Record(13)});
        const std::string piece = Enciphered(DatabaseText(UpdateTree::Date(14), {Record(14)}));
        tree.ServeSignedAs("upd\\14.htm", piece, signature);
        tree.ServeSignedAs("files2.htm", Enciphered(DatabaseText(UpdateTree::Date(15), {Record(2)})), signature);
        LocalHttpServer server(tree.Www());
        RunUpdateCommand(Updater(server), window, state.Messages);
        EXPECT_EQ(WithoutSignatures(server.Requests()),
                  (std::vector<std::string>{"/updr2/list.htm", "/updr2/upd/13.htm", "/updr2/upd/14.htm",
                                            "/updr2/files2.htm"}));
        EXPECT_EQ(
            std::count(window.shown.begin(), window.shown.end(), Shown(Msg::ErrorCaption, Msg::CannotUpdateDatabase)),
            2);
        EXPECT_EQ(LoadedText(), loaded);
        EXPECT_EQ(Files(), installed);
        EXPECT_FALSE(std::filesystem::exists(tree.Program() + "filess.dat"));
    }
}

} // namespace

TEST_F(Update, ANewerHashesDatIsFetchedTestedAndOnlyThenReplacesTheOld)
{
    const auto packed = [](const std::string& lines) {
        HashSignatures signatures;
        std::string error;
        EXPECT_TRUE(signatures.Parse(lines, error)) << error;
        const std::vector<uint8_t> bytes = PackHashSignatures(signatures);
        return std::string(bytes.begin(), bytes.end());
    };
    const auto md5Of = [](const std::string& bytes) { return Md5Text(Md5Of(bytes.data(), bytes.size())); };
    const std::string old = packed("0123456789abcdef0123456789abcdef:10:Old.A\n");
    const std::string newer = packed("fedcba9876543210fedcba9876543210:20:New.B\n");
    const std::string notHashes = Enciphered(std::string(300, 'r'));
    const std::string hashesDat = tree.Program() + "hashes.dat";
    Install(12, {Record(1)});
    const std::string page = ListPageText(UpdateTree::Date(12), ProgramVersionText, "");

    struct Case {
        std::string named, served;
        bool signedByMaker;
        const char* what;
    } refused[] = {
        {md5Of(newer), newer, false, "unsigned"},
        {md5Of(newer), old + "x", true, "not the file the page names"},
        {md5Of(notHashes), notHashes, true, "no hash signatures"},
    };
    for (const Case& c : refused) {
        folder.Write("program\\hashes.dat", old);
        tree.Serve("list.htm", page + c.named + "\r\n");
        if (c.signedByMaker)
            tree.Serve("hashes.htm", c.served);
        else
            tree.ServeSignedAs("hashes.htm", c.served, nullptr);
        LocalHttpServer server(tree.Www());
        RunUpdateCommand(Updater(server), window, state.Messages);
        EXPECT_EQ(FileText(hashesDat), old) << c.what;
        EXPECT_FALSE(std::filesystem::exists(tree.Program() + "hashes.new")) << c.what;
        EXPECT_EQ(window.status.back(), state.Messages.Text(Msg::CannotUpdateHashes)) << c.what;
        EXPECT_EQ(Files(), installed) << c.what;
    }

    tree.Serve("hashes.htm", newer);
    tree.Serve("list.htm", page + md5Of(newer) + "\r\n");
    {
        LocalHttpServer server(tree.Www());
        RunUpdateCommand(Updater(server), window, state.Messages);
        EXPECT_EQ(FileText(hashesDat), newer);
        EXPECT_EQ(window.status.back(), state.Messages.Text(Msg::HashesUpdated));
        // Installed now: the same page asks for nothing more.
        RunUpdateCommand(Updater(server), window, state.Messages);
        EXPECT_EQ(WithoutSignatures(server.Requests()),
                  (std::vector<std::string>{"/updr2/list.htm", "/updr2/hashes.htm", "/updr2/list.htm"}));
    }
    // A page without the seventh line leaves hashes.dat alone.
    tree.ServeList(UpdateTree::Date(12));
    folder.Write("program\\hashes.dat", old);
    LocalHttpServer server(tree.Www());
    RunUpdateCommand(Updater(server), window, state.Messages);
    EXPECT_EQ(WithoutSignatures(server.Requests()), std::vector<std::string>{"/updr2/list.htm"});
    EXPECT_EQ(FileText(hashesDat), old);
}
