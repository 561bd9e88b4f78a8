#pragma once

#include <atomic>
#include <memory>

#include "app/exit_codes.h"
#include "params/text_buffer.h"
#include "ui/bitmap.h"
#include "ui/data_list.h"

class ParamNode;
struct Package;
struct ParamCell;
struct WorkerThread;
class WizardView;

// The wizard's pages, in the order Next walks them.
enum WizardPage {
    pageLicence = 0,
    pageProducts = 1,
    pageComponents = 2,
    pageParameters = 3,
    pageInstalling = 4,
    pageState = 5,
};

// The owner of one run: start-up in the constructor, then the wizard over its window.
struct InstallSession {
    InstallSession(int mode, void* parentWindow);
    ~InstallSession();
    InstallSession(const InstallSession&) = delete;
    InstallSession& operator=(const InstallSession&) = delete;

    int mode;
    // No window: the pages pass by themselves (see runQuietWizard).
    bool quiet = false;
    // The answers file's tree, when one was given.
    const ParamNode* answers = nullptr;
    // What the process ends with: a start-up failure until the wizard runs, a stop while it runs
    // without a report, then the report's outcome.
    int exitCode = exitStartupFailure;
    // -1 until a temporary folder is found, 0 when the wizard may run, 1 when the run must stop.
    int startupStatus = -1;
    std::unique_ptr<Package> rootPackage;
    // The shortcut radios of the products page: 0, 1 or 2, -1 when none is set.
    int shortcutMode = -1;
    // 1 when registry scripts use the 64-bit view (a 64-bit system).
    int use64BitView = 0;

    // The wizard's window, attached while it exists.
    WizardView* view = nullptr;
    int currentPage = pageLicence;
    // The licence radios: 0 accept, 1 refuse, -1 neither.
    int acceptChoice = -1;
    // The pictures loaded for the logo and the slides, each path once.
    BitmapCache pictures;
    // The logo drawn at the top of the window: the page's own, else the common one (cached).
    Bitmap* logoPicture = nullptr;
    // The products, components or parameters of the page shown.
    CONTROLE_LISTE list;
    // Whether the user asked for the queued documents and folders to be opened on closing.
    bool openFoldersChosen = false;
    bool installSucceeded = false;
    // The plain text of the last report, which the state page exports.
    TextBuffer reportText;

    // The installation worker while it exists, and the flag it sets once the scripts have run.
    WorkerThread* worker = nullptr;
    std::atomic<bool> workerDone{false};
    // The slide drawn on the installation page: the picture of slidePosition, an entry of
    // SlideShowList (null before the first).
    Bitmap* slidePicture = nullptr;
    ParamCell* slidePosition = nullptr;
    // The progress display's clocks in milliseconds, advanced by 200 at every tick of the
    // installation page. The first slide starts one tick early, so it stays one tick longer.
    int32_t slideElapsed = -200;
    int32_t textElapsed = 0;
    // When the status line is next due: 2000 after a progress text, 1000 after a data text.
    int32_t textInterval = 0;
    bool showDataNext = false;
};

// Runs the wizard until the user closes it, or its pages without a window in a quiet run.
void runWizard(InstallSession& session);
