// The installation page's timer, the report, and the worker behind them.
#include <atomic>
#include <thread>

#include "app/install_worker.h"
#include "app/progress_display.h"
#include "app/wizard_pages.h"
#include "packages/package.h"
#include "params/text_buffer.h"
#include "params/variable_store.h"
#include "recording_wizard.h"
#include "session/run_state.h"
#include "session/stores.h"
#include "ui/bitmap.h"

namespace {

std::string megabytes(int64_t bytes) {
    TextBuffer text;
    appendMegabytes(text, bytes);
    return text.text();
}

struct Installing : Wizard {
    std::unique_ptr<InstallSession> session;
    void SetUp() override {
        session = start();
        session->currentPage = pageInstalling;
    }
    void TearDown() override { RunningPackage() = nullptr; }
    std::string progressLine() { return view.controls[controlProgress].text; }
    std::string richText() { return view.controls[controlRichText].text; }
};

const char richHead[] =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1036{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}";
const char richTitleStart[] = "\\viewkind4\\uc1\\pard\\qc\\cf1\\b\\f0\\fs20\\par ";
const char richBodyStart[] = "\\cf2\\b0\\par\\pard\\b\\par ";
const char richEnd[] = "\\cf0\\ul\\b0\\par}";

// A message box that stays open until the run is asked to stop.
struct StopWaitingResponder : ScriptedResponder {
    std::atomic<bool> opened{false};
    void showMessage(const char*, const char*, bool) override {
        opened = true;
        while (!stopRequested()) std::this_thread::yield();
    }
};

}  // namespace

TEST(Megabytes, TruncatedToThousandthsThenSixSignificantDigits) {
    EXPECT_EQ("0", megabytes(0));
    EXPECT_EQ("1.5", megabytes(1572864));
    EXPECT_EQ("0.999", megabytes(1048575));
    EXPECT_EQ("12.345", megabytes(12944671));
    EXPECT_EQ("1234.57", megabytes(1294537327));
    // Past what 32 bits hold.
    EXPECT_EQ("2048.25", megabytes(2147483648LL + 262144));
    EXPECT_EQ("5120", megabytes(5368709120LL));
}

// The status line starts with the progress, shows the data two seconds later and the progress
// again one second after; the first slide stays a tick longer, a slide without a number a tick.
TEST_F(Installing, StatusLineAlternatesAndSlidesFollowTheirTimes) {
    std::string a = folder / "a.bmp", b = folder / "b.bmp";
    SlideShowList().append(new ParamNode(a.c_str(), 1000));
    SlideShowList().append(new ParamNode(b.c_str(), "x"));
    session->logoPicture = getBitmap(session->pictures, (folder / "logo.bmp").c_str());
    session->rootPackage->title.assign("Produit A");

    std::vector<std::string> slides, lines;
    for (int tick = 1; tick <= 16; ++tick) {
        if (tick == 2) {
            ScriptProgress().index = 3;
            ScriptProgress().count = 8;
            RunningPackage() = session->rootPackage.get();
            Copied().bytes = 1572864;
        }
        onProgressTimer(*session);
        slides.push_back(session->progress.slidePicture->path.text());
        lines.push_back(progressLine());
    }
    std::vector<std::string> expectedSlides = {a, a, a, a, a, a, b, a, a, a, a, a, b, a, a, a};
    EXPECT_EQ(expectedSlides, slides);
    EXPECT_EQ("Installation en cours... [0%]", lines[0]);
    EXPECT_EQ(lines[0], lines[9]);
    EXPECT_EQ("Veuillez patienter... [1.5Mo]", lines[10]);
    EXPECT_EQ(lines[10], lines[14]);
    EXPECT_EQ("Installation de Produit A en cours... [37%]", lines[15]);
    // Each new slide is drawn at once over the report's area, after the logo.
    ASSERT_EQ(10u, view.drawn.size());
    EXPECT_EQ(controlLogo, view.drawn[8].first);
    EXPECT_EQ(std::make_pair(int(controlRichText), (const Bitmap*)session->progress.slidePicture),
              view.drawn[9]);
}

TEST_F(Installing, WithoutSlidesNoStatusButTheEndIsSeen) {
    for (int tick = 0; tick < 20; ++tick) onProgressTimer(*session);
    EXPECT_EQ("", progressLine());
    EXPECT_EQ(pageInstalling, session->currentPage);

    session->worker.done = true;
    onProgressTimer(*session);
    EXPECT_EQ(pageState, session->currentPage);
    EXPECT_TRUE(session->installSucceeded);
    EXPECT_EQ(std::vector<WizardSound>{WizardSound::information}, view.beeps);
    EXPECT_FALSE(view.controls[controlNext].shown);
    EXPECT_EQ("INSTALLATION TERMINEE AVEC SUCCES\r\n\r\nMerci d'avoir choisi Korvane",
              std::string(session->reportText.text()));
    EXPECT_EQ(std::string(richHead) + "{\\colortbl ;\\red0\\green128\\blue0;\\red0\\green0\\blue0;}" +
                  richTitleStart + "INSTALLATION TERMINEE AVEC SUCCES" + richBodyStart +
                  "Merci d'avoir choisi Korvane" + richEnd,
              richText());
}

// Errors newest first; backslashes become slashes in the rich text only.
TEST_F(Installing, FailedReportListsTheErrorsNewestFirst) {
    addError("FCOPY", "c:\\Temp\\x");
    addError("MKDIR", "second");
    showReport(*session, "ERREUR D'INSTALLATION", "", RunOutcome::failed);
    const char* body = "Des erreurs ont \xE9t\xE9 rencontr\xE9" "es durant l'installation\r\n"
                       "Contactez le support\r\n\r\n"
                       "MKDIR : second\r\n\r\nFCOPY : c:\\Temp\\x\r\n\r\n";
    EXPECT_EQ(std::string("ERREUR D'INSTALLATION\r\n\r\n") + body,
              std::string(session->reportText.text()));
    EXPECT_EQ(std::string(richHead) + "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue0;}" +
                  richTitleStart + " !!!!! ERREUR D'INSTALLATION !!!!! " + richBodyStart +
                  "Des erreurs ont \xE9t\xE9 rencontr\xE9" "es durant l'installation\\par "
                  "Contactez le support\\par \\par MKDIR : second\\par \\par "
                  "FCOPY : c:/Temp/x\\par \\par " + richEnd,
              richText());
    EXPECT_EQ(pageState, session->currentPage);
    EXPECT_EQ(std::vector<WizardSound>{WizardSound::error}, view.beeps);
    EXPECT_TRUE(view.controls[controlNext].shown);
}

// The worker runs the scripts and the timer reports their errors once it is done.
TEST_F(Wizard, InstallationPageRunsTheWorkerToItsReport) {
    folder.write("install.ini", "Produit\n+\nID = \"root\"\n-\n"
                                "Installe\n+\nERREUR  +  Script = \"broken\"  -\n-\n");
    auto session = start();
    onNext(*session);
    onNext(*session);
    ASSERT_EQ(pageInstalling, session->currentPage);
    // Neither a click on Next nor the Enter key that the dialog sends for it moves on.
    EXPECT_FALSE(view.controls[controlNext].enabled);
    updateNextButton(*session);
    onNext(*session);
    EXPECT_FALSE(view.controls[controlNext].enabled);
    EXPECT_EQ(pageInstalling, session->currentPage);
    while (session->currentPage == pageInstalling) onProgressTimer(*session);
    EXPECT_EQ(nullptr, session->worker.thread);
    EXPECT_NE(std::string::npos, std::string(session->reportText.text()).find("broken"));
    EXPECT_EQ(0u, std::string(session->reportText.text()).find("ERREUR D'INSTALLATION"));
    EXPECT_EQ(exitInstallErrors, session->exitCode);
}

// Cancel stops the scripts where they are and waits for the worker before reporting.
TEST_F(Wizard, CancelHaltsTheWorkerBeforeItsNextCommand) {
    folder.write("install.ini", "Produit\n+\nID = \"root\"\n-\n"
                                "Installe\n+\nINFORMATION  +  T = \"wait\"  -\n"
                                "AFFECTE  +  AFTER = \"ran\"  -\n-\n");
    StopWaitingResponder waiting;
    Responder* previous = setResponder(&waiting);
    auto session = start();
    onNext(*session);
    onNext(*session);
    while (!waiting.opened) std::this_thread::yield();
    onCancel(*session);
    setResponder(previous);
    EXPECT_EQ(nullptr, session->worker.thread);
    EXPECT_STREQ("", VariableStore().valueOf("AFTER"));
    EXPECT_EQ("ARRET UTILISATEUR\r\n\r\nL'installation a \xE9t\xE9 interrompue",
              std::string(session->reportText.text()));
    EXPECT_EQ(exitStopped, session->exitCode);
}
