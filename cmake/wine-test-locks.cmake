# Which Windows tests must not run at the same time. Every gtest case is a ctest test
# of its own and `ctest -j` runs them side by side in one Wine prefix, so a case that
# changes a part of the machine, or whose result depends on that part, holds that
# part's RESOURCE_LOCK; ctest never runs two holders of one lock at once. Everything
# else runs in parallel. Included by ctest after the cases were discovered (the
# build lists the discovered-test variables in PYRAFIX_TEST_LISTS).
#
# The locks (names match whole test names, "Suite.Case"):
#   system32        files in the Windows and System32 folders: planted detections and
#                   drivers, and the scans that must find those folders clean
#   run-keys        the Run keys of HKCU and HKLM and their "_Bak" twins: values the
#                   startup lists enumerate, scans follow and cleaning deletes
#   startup-folder  the files in the Startup folders
#   services        the service database: planted fixture services, listed services
#   processes       copies of the fixture programs started under names of the test's
#                   choosing, and everything that ends programs by file name or takes
#                   the running programs as scan candidates
#   ini-files       system.ini and win.ini in the Windows folder
#   upper-filters   the keyboard class's UpperFilters value
#   appinit         AppInit_DLLs and the shell hook and helper-object CLSID keys of HKLM
#   drive-q         the second test drive Q: (walked whole by the full scan tests)
#   settings        the program's own settings key and Wine's per-program version keys
#   program-images  the program files of build/win64/bin as files: Wine maps one that a
#                   test loads as data so that a copy of it made meanwhile can fail
#   desktop         the keyboard focus and the foreground window: real windows take them
#                   when shown, so the tests that make real windows take turns
#
# No lock is needed for: test folders (each case has its own, named after it and
# its process); registry keys named after the test (RegBase, StartupValuesPage's
# records, ShellWindows' dialog setting); programs a test starts under fixed names
# that nothing ends by name (hold_file.exe, fixture_service.exe, pyrafixc.exe copies:
# each is ended through its own handle); the program folder build/win64/bin, which
# the tests only read (files.dat, RegBase.rgk): the cases that write beside a program
# (quarantine, cleaning, a missing or damaged files.dat) use a copy in their folder.

# The quick scans of the whole machine with the shipped database read every place a
# program starts from and must find nothing, so they hold every lock they read.
# The full report runs such a scan too, and its tests and the Report Manager's plant
# detections, Run values, services and processes as well.
set(machine_scans "ScanCommands\\..*" "ConsoleScan\\.ReportsAPlantedWormAndExitsOne"
                  "ConsoleScan\\.FullScanThenFixRemovesTheWormAndItsCopies"
                  "FullReport\\..*" "ConsoleReport\\..*" "ReportManager\\..*"
                  "SendLog\\.ACleanQuickScanOffersTheUploadTheServerAskedFor" "ConsoleSendLog\\..*")

# lock(NAME PATTERN...): the tests matching any of the patterns hold NAME.
set(pyrafix_locks)
function(lock name)
  foreach(pattern IN LISTS ARGN)
    list(APPEND pyrafix_locks "${name}" "${pattern}")
  endforeach()
  set(pyrafix_locks "${pyrafix_locks}" PARENT_SCOPE)
endfunction()

lock(system32 ${machine_scans}
  "ShippedDatabase\\.FindsNothingOnACleanMachine"
  "KeyboardFilters\\.ListsFiltersAfterTheFirstNameWithTheirFiles"
  "SystemToolWindows\\.KeyboardFilterRemovalAndIniLineSwitching"
  "QuickScanScenario\\..*")
lock(run-keys ${machine_scans}
  "StartupPrograms\\.(DisablingMovesToTheTwinAndBackKeepingTheType|ValuesThatAreNoStringsAreSkipped)"
  "StartupPrograms\\.AMoveEndedHalfWayLeavesTheValueInOneKeyOnceTheListLoads"
  "StartupValuesPage\\.ShippedBaseListsTheRunKeysButNotWinlogon"
  "SystemToolWindows\\.(StartupFilesPageDeletesTheCheckedValue|StartupTabDisablesEnablesAndRemovesARunValue)"
  "SystemToolWindows\\.ARowShowsItsProgramsIconAddedOncePerFile"
  "SystemToolWindows\\.TheStartupFilesPageIsFilledOnceThePagesGetTheFocus"
  "Cleaning\\.FixEndsTheRunningFileDeletesItAndItsRunValue")
lock(startup-folder ${machine_scans}
  "StartupPrograms\\.FolderShortcutsShowTheirTargetAndRemovalKeepsIt"
  "SystemToolWindows\\.RemovingAStartupFolderRowDeletesTheShortcutNotItsTarget")
lock(services ${machine_scans}
  "Services\\..*"
  "StandardUser\\..*"
  "SystemToolWindows\\.ServiceCommandsInBothListsAndTheCompanionService")
lock(processes ${machine_scans}
  "Processes\\.(ListsFullPathsAndEndsCopiesInEveryFolder|NameMatchingIgnoresOnlyAsciiCase|BothQueriesReadAnotherProcesssPath)"
  "SystemToolWindows\\.EndTaskAsksThenEndsEveryCopyOfTheCheckedProgram"
  "Cleaning\\.FixEndsTheRunningFileDeletesItAndItsRunValue"
  "CachedMachine\\..*"
  "QuickScanScenario\\..*")
lock(ini-files ${machine_scans}
  "IniFiles\\..*" "StoredFileCrash\\..*"
  "SystemToolWindows\\.KeyboardFilterRemovalAndIniLineSwitching"
  "StartupCollector\\.TheQuickScanTakesThePagesListsAndFillsAnEmptyOneOnce")
lock(upper-filters
  "KeyboardFilters\\..*"
  "FullReport\\..*" "ConsoleReport\\..*"
  "SystemToolWindows\\.KeyboardFilterRemovalAndIniLineSwitching")
lock(appinit ${machine_scans}
  "StartupCollector\\.AppInitNames.*")
lock(drive-q
  "FullScan\\.(FindsCopiesUnderOtherNamesAndDrives|NeverMatchesEmptyFilesNorFollowsLinks)"
  "QuickScan\\.ALinkInsideAnInfectedFolderIsRecordedButNeverEntered"
  "ConsoleScanFiles\\.FindsExactlyTheCopiesAndListsLinksAndUnreadFiles")
lock(settings
  "PyrafixProgram\\..*" "ConsoleUpdate\\.TheServedProgramReplaces.*"
  "SendLog\\..*" "ConsoleSendLog\\..*"
  "ConsoleScan\\.ReportsAPlantedWormAndExitsOne"
  "ConsoleScan\\.FullScanThenFixRemovesTheWormAndItsCopies"
  "ConsoleLanguage\\..*")

lock(program-images
  "Manifests\\..*" "PyrafixProgram\\..*" "ConsoleUpdate\\.TheServedProgramReplaces.*"
  "ConsoleScan\\.AMissingOrDamagedDatabaseIsAnError" "HostileFiles\\.(ADamaged|AnUnreadableQuarantine).*"
  "ConsoleScanFiles\\.PauseWaitsForAKeyOrTheEndOfInput" "ConsoleLanguage\\..*")
lock(desktop
  "Win32Rendering\\..*" "Win32Keyboard\\..*" "Win32MessageBoxes\\..*" "PyrafixProgram\\..*"
  "ConsoleUpdate\\.TheServedProgramReplaces.*"
  "ShellWindows\\.(RealWindowsAreOwnedByTheMainWindowAndTheTwoThatStayOnTopAreTopmost|TheRealActionDialogAnswersEnterAndEsc)"
  "ShellWindows\\.(TheMainWindowFillsItsListsWhenItsPagesFirstGetTheFocus|TextsFitTheirPlacesAt96And144Dpi)"
  "SystemToolWindows\\.TheRealManagerWindowReceivesMessage1033"
  "ShippedLanguages\\.EveryCaptionFitsItsControlAt96Dpi")

# Give each test its locks; a pattern that names no test (a renamed or removed case)
# becomes a failing test, so a lock is never lost without notice.
set(unmatched)
list(LENGTH pyrafix_locks count)
math(EXPR last "${count} - 1")
foreach(list_name IN LISTS PYRAFIX_TEST_LISTS)
  foreach(test IN LISTS ${list_name})
    set(locks)
    foreach(i RANGE 0 ${last} 2)
      math(EXPR j "${i} + 1")
      list(GET pyrafix_locks ${i} name)
      list(GET pyrafix_locks ${j} pattern)
      if(test MATCHES "^${pattern}$")
        list(APPEND locks ${name})
        set(matched_${j} TRUE)
      endif()
    endforeach()
    if(locks)
      list(REMOVE_DUPLICATES locks)
      set_tests_properties("${test}" PROPERTIES RESOURCE_LOCK "${locks}")
    endif()
  endforeach()
endforeach()
foreach(i RANGE 0 ${last} 2)
  math(EXPR j "${i} + 1")
  if(NOT matched_${j})
    list(GET pyrafix_locks ${j} pattern)
    list(APPEND unmatched "${pattern}")
  endif()
endforeach()
if(unmatched)
  list(REMOVE_DUPLICATES unmatched)
  string(REPLACE ";" " " unmatched "${unmatched}")
  add_test(WineTestLocks.EveryPatternNamesATest /bin/sh -c
           "echo 'cmake/wine-test-locks.cmake names no test with: ${unmatched}'; exit 1")
endif()
