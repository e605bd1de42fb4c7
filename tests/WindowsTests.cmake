# The Windows build's tests, run under Wine (CMAKE_CROSSCOMPILING_EMULATOR,
# see tools/build-windows.sh): one ctest per suite, since every start of a
# Windows program under Wine costs far more than on Linux; and the CLI's
# tests of the Linux build run a second time, against torvane-cli.exe.

# Cases that cannot work on Windows, left out by name.
set(windows_excluded_cases
  # Windows has no FIFOs in the file system.
  RecordFileTest.AFifoInPlaceOfAStoreFileIsRefusedAtOnce
  IniGTTest.AFifoInPlaceOfTheFileIsNeitherWaitedOnNorReplaced
  # Windows has no per-process file size limit, the tests' way to make a
  # write fail part-way.
  RecordFileTest.AFailedReplacementLeavesTheOldFileWhole
  StoreWriterTest.AWriteThatFailsThrowsWithThePathAndLeavesTheOldFileWhole
  StoreWriterTest.ABatchThatCannotBeWrittenNamesEveryFileAndLeavesThemAsTheyWere
  AcquisitionRunTest.ABatchThatCannotBeWrittenNamesItsFilesAndTheUnsavedRecordsAndKeepsLastTime
  # Wine has no rename with POSIX semantics and refuses to move a file over
  # one that is open; the reader of the old version keeps it on Linux only.
  RecordFileTest.TheReaderKeepsTheVersionItOpenedWhenTheFileIsReplaced
  IniGTTest.AWriteReplacesTheWholeFileAtOnce
  StoreWriterTest.AReaderKeepsTheVersionItOpenedWhileTheStoreIsWritten
  # Wine makes no symbolic links.
  IniGTTest.AWriteThroughALinkReplacesItsTarget
  IniGTTest.AReadOnlyFileAndALinkInPlaceOfTheLockFileAreNotWrittenThrough
  DateLoaderTest.FilesThatCannotBeReadAreReportedAndLeftBlank
  ProcessTest.TheLockFileIsNeverMadeThroughALink
  StoreWriterTest.SymbolicLinksInTheStoreAreRefusedByNameAndNothingOutsideIsTouched
  StandInTest.ALinkUnderTheTemporaryNameOfACopyIsNotFollowed
  StoreLockTest.OnlyTheFilesOfEndedWritersAreCleanedUpAndNothingBehindALink
  # The test holds the program directory's lock from Linux (flock), which
  # Wine's own file locks do not see.
  ImportTest.AnotherWriterIsRefusedAtOnceWhileOneHoldsTheStoreAndNothingIsLost
  # "/srv/jv" has no drive, so it is no absolute path on Windows.
  StandInSettingsTest.DefaultsWithoutFileAndResolvedFolders
)
set(windows_excluded_suites
  # Limits the address space with RLIMIT_AS, measured in /proc.
  DeliveredFileTest
  # The Linux rule (the XDG data folder, then ~/.local/share) over Unix paths.
  ProgramDirTest
  # Its fake bridge is a Linux program, started in Wine's place.
  JVLinkBridgeTest
)

# One gtest option for every suite: a name a suite does not have leaves
# nothing out, and a case's suite name need not be its file's.
list(JOIN windows_excluded_cases ":" joined)
set(filter "--gtest_filter=-${joined}")

foreach(dir ${TORVANE_CORE_FOLDERS} demo)
  file(GLOB unit_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*Test.cpp)
  foreach(test_source ${unit_tests})
    get_filename_component(test_name ${test_source} NAME_WE)
    if(test_name IN_LIST windows_excluded_suites)
      continue()
    endif()
    add_executable(${test_name} ${test_source})
    target_link_libraries(${test_name} PRIVATE torvane_test_support torvane_${dir} GTest::gtest_main)
    add_test(NAME ${test_name} COMMAND ${test_name} ${filter})
    set_tests_properties(${test_name} PROPERTIES LABELS ${dir} TIMEOUT 120)
  endforeach()
endforeach()

# The viewer's widget tests, the Linux build's own, on Qt's offscreen
# platform, with the test printers. Wine hands no QT_ variable of the
# environment on to a Windows program, so the platform is named on the
# command line: without it Qt looks for the Windows platform, which these do
# not link, and waits at its fatal-error box.
if(TORVANE_BUILD_GUI)
  # Debian's IPA fonts, seen through Wine's drive Z:.
  set(TORVANE_TEST_FONT_DIR "Z:/usr/share/fonts/opentype/ipafont-gothic" CACHE STRING
      "Folder of the fonts for the widget tests on the offscreen platform")
  file(GLOB gui_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/gui/*Test.cpp)
  foreach(test_source ${gui_tests})
    get_filename_component(test_name ${test_source} NAME_WE)
    torvane_widget_test(${test_name} ${test_source} ${CMAKE_CURRENT_SOURCE_DIR}/gui/support/OffscreenFonts.cpp)
    target_compile_definitions(${test_name} PRIVATE TORVANE_TEST_FONT_DIR="${TORVANE_TEST_FONT_DIR}")
    # Qt is linked in: the offscreen platform in place of the Windows one.
    qt_import_plugins(${test_name} INCLUDE_BY_TYPE platforms Qt6::QOffscreenIntegrationPlugin)
    add_test(NAME ${test_name} COMMAND ${test_name} -platform offscreen)
    set_tests_properties(${test_name} PROPERTIES LABELS gui TIMEOUT 300)
  endforeach()
endif()

if(NOT CMAKE_CROSSCOMPILING)
  return()  # on Windows itself there is no Linux build to run them
endif()

# One walk in real windows of the Windows platform plugin, under Wine on
# Xvfb. Wine's desktop process takes the display of the program that starts
# it, so the walk runs alone and only once the prefix's server of the other
# tests has ended (wine-run waits for it).
if(TORVANE_BUILD_GUI)
  torvane_widget_test(WindowsWalkTest windows/WindowsWalkTest.cpp)
  target_compile_definitions(WindowsWalkTest PRIVATE TORVANE_SCREENSHOT_DIR="${CMAKE_BINARY_DIR}/screenshots")
  # The program's bridge is a 32-bit program: in this 64-bit prefix it needs
  # Wine's 32-bit loader, and the test component registered as a 32-bit
  # server. Without that loader the walk acquires through the 64-bit build of
  # the bridge and the test component: a copy of the walk starts beside it,
  # as the program finds its bridge beside itself.
  set(wine32_loader /usr/lib/wine/wine)
  set(bridge_walk_disabled OFF)
  set(bridge_walk $<TARGET_FILE:WindowsWalkTest>)
  if(TARGET torvane_win32 AND EXISTS ${wine32_loader})
    set(component ${TORVANE_WIN32_DIR}/jvlink-test-component.dll)
    set(regsvr32 C:/windows/syswow64/regsvr32.exe)
  elseif(TARGET torvane_win64)
    set(component ${TORVANE_WIN64_DIR}/jvlink-test-component.dll)
    set(regsvr32 regsvr32)
    set(bridge_walk ${TORVANE_WIN64_DIR}/WindowsWalkTest.exe)
    add_dependencies(WindowsWalkTest torvane_win64)
    add_custom_command(TARGET WindowsWalkTest POST_BUILD
      COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:WindowsWalkTest> ${bridge_walk})
  endif()
  if(NOT component)
    target_compile_definitions(WindowsWalkTest PRIVATE
      TORVANE_BRIDGE_UNAVAILABLE="neither the 32-bit Wine ${wine32_loader} nor the 64-bit bridge is there")
    # ctest does not see the test's own word on it under Wine: it is shown as not run.
    message(WARNING "Neither the 32-bit Wine nor the 64-bit bridge: the walk's acquisition through the bridge is not run")
    set(bridge_walk_disabled ON)
  endif()
  add_test(NAME WindowsWalkTest.WalkTheDemoWeek COMMAND xvfb-run -a -s "-screen 0 1280x1024x24"
    ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:WindowsWalkTest> WalkTheDemoWeek)
  # The test component is registered by the walk that needs it, right before
  # it: a registration made at the start of the run has been seen lost by the
  # time of the walk, the prefix's Wine server having gone down in between.
  add_test(NAME WindowsWalkTest.AcquireTheDemoWeekThroughTheBridge COMMAND sh -c
    "TORVANE_WINE_DISPLAY= \"$0\" ${regsvr32} /s \"$1\" && exec xvfb-run -a -s '-screen 0 1280x1024x24' \"$0\" \"$2\" AcquireTheDemoWeekThroughTheBridge"
    ${CMAKE_CROSSCOMPILING_EMULATOR} "${component}" ${bridge_walk})
  set_tests_properties(WindowsWalkTest.WalkTheDemoWeek WindowsWalkTest.AcquireTheDemoWeekThroughTheBridge
    PROPERTIES LABELS xvfb TIMEOUT 300 RUN_SERIAL ON ENVIRONMENT TORVANE_WINE_DISPLAY=1)
  set_tests_properties(WindowsWalkTest.AcquireTheDemoWeekThroughTheBridge PROPERTIES DISABLED ${bridge_walk_disabled})
endif()

# The release made from this build (torvane_windows_release): installed, run
# and uninstalled in a Wine prefix of the test's own, and the portable zip.
if(TARGET torvane_windows_release)
  add_test(NAME WindowsReleaseTest
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/windows/ReleaseTest.sh ${CMAKE_BINARY_DIR} ${PROJECT_VERSION})
  set_tests_properties(WindowsReleaseTest PROPERTIES LABELS package TIMEOUT 300)
endif()

# The Linux build's CLI tests, against this build's torvane-cli.exe under
# Wine. Their temporary files go to test-scratch, as in the Linux build.
set(TORVANE_LINUX_BUILD_DIR ${CMAKE_SOURCE_DIR}/build CACHE PATH
  "The Linux build whose CLI tests run against torvane-cli.exe")
set(test_scratch ${CMAKE_BINARY_DIR}/test-scratch)
add_test(NAME TestScratchSetup COMMAND ${CMAKE_COMMAND} -E make_directory ${test_scratch}/tmp)
add_test(NAME TestScratchCleanup COMMAND ${CMAKE_COMMAND} -E rm -rf ${test_scratch})
set_tests_properties(TestScratchSetup PROPERTIES FIXTURES_SETUP test_scratch)
set_tests_properties(TestScratchCleanup PROPERTIES FIXTURES_CLEANUP test_scratch)
file(GLOB cli_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/cli/*Test.cpp)
foreach(test_source ${cli_tests})
  get_filename_component(test_name ${test_source} NAME_WE)
  if(test_name IN_LIST windows_excluded_suites)
    continue()
  endif()
  add_test(NAME cli.${test_name} COMMAND ${TORVANE_LINUX_BUILD_DIR}/bin/${test_name} ${filter})
  set_tests_properties(cli.${test_name} PROPERTIES LABELS cli TIMEOUT 300 FIXTURES_REQUIRED test_scratch
    ENVIRONMENT "TORVANE_CLI=$<TARGET_FILE:torvane-cli>;TORVANE_KILLABLE_CLI=$<TARGET_FILE:torvane-cli-killable>;TORVANE_CLI_EMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR};TORVANE_CLI_UNDER_WINE=1;TMPDIR=${test_scratch}/tmp")
endforeach()
