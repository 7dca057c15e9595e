// Each change of the quarantine ended at every point where it writes, moves or
// deletes: what is left must be the old state or the new one. Every entry the index
// lists has its whole stored copy (a copy nobody lists may stay behind), and no file
// the quarantine holds or gives back is ever lost or left half written.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "CrashChild.h"
#include "RandomBytes.h"
#include "TestFolder.h"
#include "core/QuarantineCipher.h"
#include "platform/FileSystem.h"
#include "quarantine/QuarantineStore.h"

namespace {

// Two sources of several cipher chunks each, so a copy passes many crash points.
struct Scene {
    Scene(const TestFolder& test, const std::string& name) : program(test / name)
    {
        CreateDirectoryA(program.c_str(), nullptr);
        CreateDirectoryA((program + "\\src").c_str(), nullptr);
        for (const char* name : {"a.exe", "b.exe"}) {
            const std::vector<uint8_t> bytes = RandomBytes(3 * QuarantineChunkSize + 100, name[0]);
            const std::string path = program + "\\src\\" + name;
            originals[path] = std::string(bytes.begin(), bytes.end());
            EXPECT_TRUE(WriteWholeFile(path, bytes.data(), bytes.size()));
        }
    }
    std::string A() const { return program + "\\src\\a.exe"; }
    std::string B() const { return program + "\\src\\b.exe"; }
    void Store(const std::string& path, bool removeSource)
    {
        QuarantineStore store(program);
        ASSERT_TRUE(QuarantineAdd(store, path, "Crash.Test", ""));
        if (removeSource) {
            ASSERT_TRUE(DeleteFileA(path.c_str()));
        }
    }
    // The entries of the index, each checked to have its whole copy.
    std::vector<std::string> Listed() const
    {
        QuarantineStore store(program);
        EXPECT_TRUE(EnsureQuarantineLoaded(store)) << "the index stays readable";
        std::vector<std::string> listed;
        for (const TQFileList& entry : store.QuarantineList) {
            std::string copy = FileText(store.StoredCopyOf(entry));
            QuarantineCipher cipher;
            cipher.Forward(reinterpret_cast<uint8_t*>(copy.data()), copy.size());
            const auto original = originals.find(entry.FileName);
            EXPECT_TRUE(original != originals.end() && copy == original->second)
                << entry.FileName << " is listed without its whole copy";
            listed.push_back(entry.FileName);
        }
        return listed;
    }
    bool IsListed(const std::string& path) const
    {
        const std::vector<std::string> listed = Listed();
        return std::find(listed.begin(), listed.end(), path) != listed.end();
    }

    std::string program;
    std::map<std::string, std::string> originals;
};

// Each run of the change on a fresh scene of its own.
void CrashAtEveryPoint(const TestFolder& test, const std::string& change, const std::function<void(Scene&)>& prepare,
                       const std::function<std::string(const Scene&)>& arguments,
                       const std::function<void(const Scene&, bool completed)>& check)
{
    std::unique_ptr<Scene> scene;
    ::CrashAtEveryPoint(
        [&](long run) {
            scene = std::make_unique<Scene>(test, change + std::to_string(run));
            prepare(*scene);
            return arguments(*scene);
        },
        [&](long, bool completed) { check(*scene, completed); });
}

} // namespace

TEST(QuarantineCrash, AddLeavesTheSourceAndOnlyWholeListedCopies)
{
    TestFolder test;
    CrashAtEveryPoint(
        test, "add", [](Scene& scene) { scene.Store(scene.B(), false); },
        [](const Scene& scene) { return "quarantine-add " + Quoted(scene.program) + " " + Quoted(scene.A()); },
        [](const Scene& scene, bool completed) {
            EXPECT_EQ(FileText(scene.A()), scene.originals.at(scene.A())) << "the source stays as it was";
            EXPECT_TRUE(scene.IsListed(scene.B()));
            if (completed) {
                EXPECT_TRUE(scene.IsListed(scene.A()));
            }
        });
}

TEST(QuarantineCrash, RestoreNeverLosesTheFileNorLeavesItHalfWritten)
{
    TestFolder test;
    CrashAtEveryPoint(
        test, "restore",
        [](Scene& scene) {
            scene.Store(scene.A(), true);
            scene.Store(scene.B(), true);
        },
        [](const Scene& scene) {
            return "quarantine-restore " + Quoted(scene.program) + " " + Quoted(scene.A()) + " " +
                   Quoted(scene.program + "\\src");
        },
        [](const Scene& scene, bool completed) {
            const std::string restored = FileText(scene.A());
            EXPECT_TRUE(restored == "<unreadable>" || restored == scene.originals.at(scene.A()))
                << "the restored file is whole or not there";
            EXPECT_TRUE(scene.IsListed(scene.A()) || restored == scene.originals.at(scene.A()))
                << "the file is in the quarantine or back";
            EXPECT_TRUE(scene.IsListed(scene.B()));
            if (completed) {
                EXPECT_FALSE(scene.IsListed(scene.A()));
            }
        });
}

TEST(QuarantineCrash, RemoveAndClearNeverListAFileWithoutItsCopy)
{
    TestFolder test;
    const auto storeBoth = [](Scene& scene) {
        scene.Store(scene.A(), true);
        scene.Store(scene.B(), true);
    };
    CrashAtEveryPoint(
        test, "remove", storeBoth,
        [](const Scene& scene) { return "quarantine-remove " + Quoted(scene.program) + " " + Quoted(scene.A()); },
        [](const Scene& scene, bool completed) {
            EXPECT_TRUE(scene.IsListed(scene.B()));
            if (completed) {
                EXPECT_FALSE(scene.IsListed(scene.A()));
            }
        });
    CrashAtEveryPoint(
        test, "clear", storeBoth, [](const Scene& scene) { return "quarantine-clear " + Quoted(scene.program); },
        [](const Scene& scene, bool completed) {
            const std::vector<std::string> listed = scene.Listed(); // each one whole
            if (completed) {
                EXPECT_TRUE(listed.empty());
            }
        });
}
