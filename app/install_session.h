#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "app/exit_codes.h"
#include "app/session_mode.h"
#include "params/param_node.h"
#include "params/text_buffer.h"
#include "script/journal.h"
#include "script/journal_undo.h"
#include "ui/bitmap.h"
#include "ui/data_list.h"

class ParamNode;
struct Package;
struct ParamCell;
struct WorkerThread;
class WizardView;

// How far start-up brought the run.
enum class StartupStatus {
    pending,  // start-up has not run
    ready,    // the wizard may run
    stopped,  // the run ends with start-up: a failure was shown, or the model was written
};

// The wizard's pages, in the order Next walks them.
enum WizardPage {
    pageLicence = 0,
    pageProducts = 1,
    pageComponents = 2,
    pageParameters = 3,
    pageInstalling = 4,
    pageState = 5,
};

// The shortcut mode of a run whose root package sets no "MdeInst".
const int defaultShortcutMode = 1;

// The installation page's display, advanced by its timer.
struct ProgressClock {
    // The slide drawn: the picture of slidePosition, an entry of SlideShowList (null before
    // the first).
    Bitmap* slidePicture = nullptr;
    ParamCell* slidePosition = nullptr;
    // In milliseconds, advanced by 200 at every tick. The first slide starts one tick early, so
    // it stays one tick longer.
    int32_t slideElapsed = -200;
    int32_t textElapsed = 0;
    // When the status line is next due: 2000 after a progress text, 1000 after a data text.
    int32_t textInterval = 0;
    bool showDataNext = false;
};

// The installation worker while it exists, and the flag it sets once the scripts have run.
struct WorkerState {
    WorkerThread* thread = nullptr;
    std::atomic<bool> done{false};
    // A stopped installation that kept a journal: what it had done was undone.
    bool undone = false;
};

// The state of one run: what the command line asked, what start-up found (app/session_startup.h),
// then the wizard over its window (app/wizard.h). The choices of the pages stay in the window's
// controls; the session keeps what outlives a page.
struct InstallSession {
    explicit InstallSession(SessionMode mode);
    ~InstallSession();
    InstallSession(const InstallSession&) = delete;
    InstallSession& operator=(const InstallSession&) = delete;

    SessionMode mode;
    // No window: the pages pass by themselves (see runQuietWizard).
    bool quiet = false;
    // The answers file's tree, when one was given.
    const ParamNode* answers = nullptr;
    StartupStatus startupStatus = StartupStatus::pending;
    // What the process ends with: a start-up failure until the wizard runs, a stop while it runs
    // without a report, then the report's outcome.
    ExitCode exitCode = exitStartupFailure;
    std::unique_ptr<Package> rootPackage;

    // The wizard's window, attached while it exists.
    WizardView* view = nullptr;
    int currentPage = pageLicence;
    // The shortcut mode that the installation's system variables use: 0 shared shortcuts and
    // programs, 1 private shortcuts and shared programs, 2 private shortcuts and programs. Leaving
    // the products page sets it to the radio checked there, -1 when none is.
    int shortcutMode = defaultShortcutMode;
    // The pictures loaded for the logo and the slides, each path once.
    BitmapCache pictures;
    // The logo drawn at the top of the window: the page's own, else the common one (cached).
    Bitmap* logoPicture = nullptr;
    // The products, components or parameters of the page shown.
    CONTROLE_LISTE list;
    ProgressClock progress;
    WorkerState worker;
    bool installSucceeded = false;
    // What the installation makes, when the root package asks for an uninstaller; in the
    // uninstall mode, the journal's records as start-up read and checked them, and what the
    // removal did.
    JournalKeeper journal;
    ParamNode removal;
    UndoReport undo;
    // The plain text of the last report, which the state page exports.
    TextBuffer reportText;
};
