#include <gtest/gtest.h>

#include "FakeRecordMachine.h"
#include "core/RecordCandidates.h"

namespace {

const char FingerprintOk[] = "0123456789abcdef0123456789abcdef";

FakeRecordMachine Machine()
{
    FakeRecordMachine m;
    m.files = {"C:\\W\\sys\\drivers\\evil.sys",
               "C:\\W\\ab1.exe",
               "C:\\W\\AB2.exe",
               "C:\\W\\svc123.exe",
               "C:\\W\\svcx1.exe",
               "C:\\W\\ab9.exe",
               "c:\\w\\winxsys32.exe",
               "c:\\p\\toola.exe",
               "c:\\p\\tool.exe",
               "c:\\s\\fp.exe",
               "c:\\x\\42.exe"};
    m.folders = {"c:\\w\\evil"};
    m.md5["c:\\s\\fp.exe"] = FingerprintOk;
    m.entries = {
        {"RegRun C:\\W\\ab9.exe /s [x] 1", "c:\\w\\ab9.exe"},
        {"RegRun \"C:\\W\\winxsys32.exe\"", "c:\\w\\winxsys32.exe"},
        {"RegRun C:\\P\\toola.exe", "c:\\p\\toola.exe"},
        {"RegRun nothing.exe", ""},
        {"RegRun c:\\s\\fp.exe [" + std::string(FingerprintOk) + "] 20", "c:\\s\\fp.exe"},
        {"RegRun c:\\x\\42.exe", "c:\\x\\42.exe"},
    };
    return m;
}

// Every candidate as "folder:path|name", or its tested paths as "test:path|name".
std::vector<std::string> Walk(const SignatureRecord& record, FakeRecordMachine& m)
{
    std::vector<std::string> seen;
    CandidatesOf(record, m, [&](const Candidate& c) {
        if (c.Type == Candidate::Kind::Folder)
            seen.push_back("folder:" + c.Path + "|" + c.Name);
        for (const PathToTest& t : TestPathsOf(c, m))
            seen.push_back("test:" + t.Path + "|" + t.Name);
        return true;
    });
    return seen;
}

} // namespace

TEST(RecordCandidates, EachFormGivesItsCandidatesInOrder)
{
    using Seen = std::vector<std::string>;
    struct Case {
        std::string root, line;
        std::vector<std::string> running;
        Seen expected;
    };
    const Case cases[] = {
        {"C:\\W\\sys\\drivers\\", "[Bad.A]:evil.sys", {}, {"test:C:\\W\\sys\\drivers\\evil.sys|Bad.A"}},
        {"C:\\W\\sys\\drivers\\", "[Bad.A]:evil.sys", {"C:\\Temp\\EVIL.SYS"}, {"test:C:\\Temp\\EVIL.SYS|Bad.A"}},
        {"C:\\W\\sys\\drivers\\",
         "/0/[Bad.A]:evil.sys",
         {"C:\\Temp\\EVIL.SYS"},
         {"test:C:\\W\\sys\\drivers\\evil.sys|Bad.A"}},
        {"C:\\W", "[Bad.A]:evil.sys", {"C:\\Temp\\notevil.sys"}, {"test:C:\\W\\evil.sys|Bad.A"}},
        {"", "[Bare]:bare.exe", {}, {"test:bare.exe|Bare"}},
        {"", "/" + std::string(FingerprintOk) + "/[Fp]::", {}, {"test:c:\\s\\fp.exe|Fp"}},
        {"", "/ffffffffffffffffffffffffffffffff/[Fp]::", {}, {}},
        {"", "/c:\\x\\42.exe/[Fp]::", {}, {}}, // found, but its fingerprint differs
        {"C:\\W", "[Dir]:evil\\\\", {}, {"folder:C:\\W\\evil|Dir"}},
        {"C:\\W", "[Dir]:missing\\\\", {}, {}},
        {"C:\\W",
         "[Wc]:ab<>.exe",
         {},
         {"test:C:\\W\\ab1.exe|Lock:Sys32.ab1", "test:C:\\W\\AB2.exe|Lock:Sys32.AB2",
          "test:C:\\W\\ab9.exe|Lock:Sys32.ab9"}},
        {"C:\\W",
         "[Wc]:ab<>.exe",
         {"D:\\run\\ab2.exe"},
         {"test:C:\\W\\ab1.exe|Lock:Sys32.ab1", "test:D:\\run\\ab2.exe|Lock:Sys32.AB2",
          "test:C:\\W\\ab9.exe|Lock:Sys32.ab9"}},
        // No file matches: the startup programs of that folder whose paths hold "ab".
        {"C:\\W", "[Wc]:ab<>.com", {}, {"test:c:\\w\\ab9.exe|Lock:Sys32.ab9"}},
        {"C:\\Q", "[Wc]:ab<>.com", {}, {"test:C:\\Q\\ab<>.com|Wc"}},
        {"C:\\W",
         "[R]:msa??a?d?.exe",
         {},
         {"test:C:\\W\\msaa.exe|Sys32.msaa", "test:C:\\W\\msab.exe|Sys32.msab", "test:C:\\W\\msac.exe|Sys32.msac"}},
        {"C:\\W",
         "[N]:run??1?4?.exe",
         {},
         {"test:C:\\W\\run1.exe|Sys32.run1", "test:C:\\W\\run2.exe|Sys32.run2", "test:C:\\W\\run3.exe|Sys32.run3"}},
        {"C:\\W", "[Q]:win?sys?.exe", {}, {"test:c:\\w\\winxsys32.exe|Lock:Sys32.winxsys32"}},
        {"C:\\W", "[Q]:sys?win?.exe", {}, {"test:C:\\W\\sys?win?.exe|Q"}},
        {"C:\\W", "[S]:svc&0123456789!.exe!", {}, {"test:C:\\W\\svc123.exe|Lock:Sys32.svc123"}},
        {"C:\\W", "[S]:&0123456789!.exe!", {}, {"test:C:\\W\\42.exe|Lock:Sys32.42"}},
        {"C:\\P",
         "[A]:randomA.exe",
         {},
         {"test:c:\\p\\toola.exe|Lock:Sys32.toola", "test:c:\\p\\toola.exe|Lock:Sys32.toola",
          "test:c:\\p\\tool.exe|Lock:Sys32.tool"}},
        {"C:\\W",
         "[A]:randomA.exe",
         {},
         {"test:c:\\p\\toola.exe|Lock:Sys32.toola", "test:c:\\p\\tool.exe|Lock:Sys32.tool"}},
        {"C:\\W", "[X]::", {}, {}},
        {"C:\\W", "[X]:", {}, {}},
    };
    for (const Case& c : cases) {
        FakeRecordMachine m = Machine();
        m.running = c.running;
        EXPECT_EQ(Walk(ParseRecord(c.line, c.root), m), c.expected) << c.root << " " << c.line;
    }
}

TEST(RecordCandidates, AFingerprintHitEndsTheProcessesOfThatFile)
{
    FakeRecordMachine m = Machine();
    Walk(ParseRecord("/" + std::string(FingerprintOk) + "/[Fp]::", ""), m);
    EXPECT_EQ(m.ended, std::vector<std::string>{"fp.exe"});
}

TEST(RecordCandidates, AFileFoundOnTheMachineIsNeverReadAsAPattern)
{
    FakeRecordMachine m = Machine();
    m.files.push_back("C:\\Run\\svc.exe");
    m.running = {"C:\\Run\\svc&x.exe"};
    // Read as an "&" pattern, the running program's own name would report svc.exe
    // beside it instead.
    EXPECT_EQ(Walk(ParseRecord("[S]:svc&x.exe", "C:\\W"), m), std::vector<std::string>{"test:C:\\Run\\svc&x.exe|S"});
}

TEST(RecordCandidates, AbortStopsAFamilyBetweenMembers)
{
    FakeRecordMachine m = Machine();
    m.stepsBeforeAbort = 3; // one step before each member
    std::vector<std::string> visited;
    const bool finished = CandidatesOf(ParseRecord("[N]:run??1?9?.exe", "C:\\W"), m, [&](const Candidate& c) {
        visited.push_back(c.Path);
        return true;
    });
    EXPECT_FALSE(finished);
    EXPECT_EQ(visited, (std::vector<std::string>{"C:\\W\\run1.exe", "C:\\W\\run2.exe", "C:\\W\\run3.exe"}));
}

TEST(RecordCandidates, VisitorCanStopTheRecord)
{
    FakeRecordMachine m = Machine();
    int visits = 0;
    EXPECT_FALSE(
        CandidatesOf(ParseRecord("[Wc]:ab<>.exe", "C:\\W"), m, [&](const Candidate&) { return ++visits < 2; }));
    EXPECT_EQ(visits, 2);
}
