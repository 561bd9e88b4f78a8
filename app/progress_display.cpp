#include "app/progress_display.h"

#include "app/install_session.h"
#include "app/install_worker.h"
#include "app/publisher_name.h"
#include "app/wizard_pages.h"
#include "packages/package.h"
#include "params/small_division.h"
#include "params/param_node.h"
#include "session/run_state.h"
#include "session/stores.h"
#include "session/translation.h"
#include "ui/bitmap.h"
#include "ui/wizard_view.h"

namespace {

const int32_t tickMs = 200;

// What a removal did: what stays and why.
void endRemoval(InstallSession& session) {
    bool failed = ErrorList().children() != nullptr;
    TextBuffer text(translate(failed ? "Ce qui suit n'a pas pu \xEAtre retir\xE9 :"
                                     : "Le produit a \xE9t\xE9 retir\xE9."));
    if (!session.undo.kept.empty()) {
        text.append("\r\n\r\n");
        text.append(translate("Laiss\xE9s en place :"));
        text.append("\r\n");
        text.append(session.undo.kept);
    }
    session.installSucceeded = !failed;
    showReport(session,
               translate(failed ? "ERREUR DE DESINSTALLATION" : "DESINSTALLATION TERMINEE"),
               text.text(), failed ? RunOutcome::failed : RunOutcome::succeeded);
}

void endRun(InstallSession& session) {
    releaseInstallWorker(session);
    if (session.mode == SessionMode::uninstall) {
        endRemoval(session);
        return;
    }
    if (ErrorList().children()) {
        showReport(session, translate("ERREUR D'INSTALLATION"), "", RunOutcome::failed);
        return;
    }
    session.installSucceeded = true;
    TextBuffer thanks(translate("Merci d'avoir choisi "));
    thanks.append(publisherName(*session.rootPackage));
    showReport(session, translate("INSTALLATION TERMINEE AVEC SUCCES"), thanks.text(),
               RunOutcome::succeeded);
}

// Commands of the running package already finished, in whole per cent.
int32_t percentDone() {
    int64_t count = ScriptProgress().count.load();
    if (count <= 0) return 0;
    // In floating point, which the 32-bit stub divides without a routine of its own: exact for
    // every count a script can have.
    return static_cast<int32_t>(static_cast<double>(ScriptProgress().index.load()) * 100 /
                                static_cast<double>(count));
}

void composeStatus(ProgressClock& clock, TextBuffer& text) {
    if (clock.showDataNext) {
        text.append(translate("Veuillez patienter..."));
        text.append(" [");
        appendMegabytes(text, Copied().bytes.load());
        text.append(translate("Mo"));
        text.append("]");
        clock.textInterval = 1000;
        return;
    }
    Package* running = RunningPackage().load();
    if (running) {
        text.append(translate("Installation de "));
        text.append(running->title);
        text.append(translate(" en cours..."));
    } else {
        text.append(translate("Installation en cours..."));
    }
    text.append(" [");
    text.appendInt(percentDone());
    text.append("%]");
    clock.textInterval = 2000;
}

void showSlide(InstallSession& session) {
    Bitmap* picture = getBitmap(session.pictures, session.progress.slidePosition->node->name());
    if (picture == session.progress.slidePicture) return;
    session.progress.slidePicture = picture;
    paintPictures(session);
}

}  // namespace

void onProgressTimer(InstallSession& session) {
    if (session.currentPage != pageInstalling) return;
    if (session.worker.done.load()) {
        endRun(session);
        return;
    }
    ProgressClock& clock = session.progress;
    if (!clock.slidePosition) clock.slidePosition = SlideShowList().children();
    // Without slides the status line stays empty too.
    if (!clock.slidePosition) return;
    clock.slideElapsed += tickMs;
    clock.textElapsed += tickMs;
    showSlide(session);
    if (clock.textElapsed >= clock.textInterval) {
        clock.textElapsed = 0;
        TextBuffer text;
        composeStatus(clock, text);
        session.view->setControlText(controlProgress, text.text());
        clock.showDataNext = !clock.showDataNext;
    }
    // After the last slide the next tick starts again from the first.
    if (clock.slideElapsed >= clock.slidePosition->node->integerValue()) {
        clock.slidePosition = clock.slidePosition->next;
        clock.slideElapsed = 0;
    }
}

void paintPictures(InstallSession& session) {
    if (!session.logoPicture) return;
    session.view->drawPicture(controlLogo, *session.logoPicture);
    if (session.currentPage == pageInstalling && session.progress.slidePicture) {
        session.view->drawPicture(controlRichText, *session.progress.slidePicture);
    }
}

void appendMegabytes(TextBuffer& text, int64_t bytes) {
    uint64_t thousandths = static_cast<uint64_t>(bytes < 0 ? 0 : bytes) * 1000 >> 20;
    uint64_t whole = divideSmall(thousandths, 1000).quotient;
    // Six significant digits: as many decimals as the whole part leaves, three at most.
    int digits = 1;
    for (uint64_t limit = 10; digits < 6 && whole >= limit; limit *= 10) ++digits;
    int decimals = 6 - digits < 3 ? 6 - digits : 3;
    uint32_t unit = 1;
    for (int i = decimals; i < 3; ++i) unit *= 10;
    // Rounded half up to the last digit kept.
    uint64_t kept = divideSmall(thousandths + unit / 2, unit).quotient;
    uint32_t scale = 1000 / unit;
    SmallQuotient parts = divideSmall(kept, scale);
    text.appendUInt64(parts.quotient);
    uint32_t fraction = parts.remainder;
    if (fraction == 0) return;
    text.appendChar('.');
    for (uint32_t place = scale / 10; place > 0 && fraction > 0; place /= 10) {
        text.appendChar(static_cast<char>('0' + fraction / place));
        fraction %= place;
    }
}
