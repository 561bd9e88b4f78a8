#include "app/wizard_pages.h"

#include <cstring>

#include "app/answers.h"
#include "app/install_session.h"
#include "app/install_variables.h"
#include "app/installer_licence.h"
#include "app/parameter_list.h"
#include "app/install_worker.h"
#include "app/product_list.h"
#include "app/report.h"
#include "app/work_folder.h"
#include "packages/package.h"
#include "params/file_stream.h"
#include "params/variable_store.h"
#include "platform/file_ops.h"
#include "platform/path_names.h"
#include "platform/programs.h"
#include "platform/registry_key.h"
#include "platform/system_info.h"
#include "script/program_commands.h"
#include "session/stores.h"
#include "session/translation.h"
#include "ui/bitmap.h"
#include "ui/file_dialogs.h"
#include "ui/wizard_view.h"

namespace {

const int shortcutRadios[] = {controlSharedShortcuts, controlPrivateShortcuts, controlPrivateAll};
// What every page starts from: the controls that only some pages show.
const int pageControls[] = {controlList,     controlInstruction, controlRichText,
                            controlAccept,   controlRefuse,      controlPrevious,
                            controlProgress, controlSharedShortcuts, controlPrivateShortcuts,
                            controlPrivateAll, controlOpenFolders};

// The position of the checked radio of a group, -1 when none is.
int checkedRadio(WizardView& view, const int* ids, int count) {
    for (int i = 0; i < count; ++i) {
        if (view.isChecked(ids[i])) return i;
    }
    return -1;
}

void setRadios(WizardView& view, const int* ids, int count, int choice) {
    for (int i = 0; i < count; ++i) view.setChecked(ids[i], i == choice);
}

void show(WizardView& view, int id, const char* text) {
    view.setControlText(id, translate(text));
    view.showControl(id, true);
}

// A refused change leaves the package as it was; the list then shows the package's real state
// the next time the page is laid out.
void applyRowSelections(InstallSession& session) {
    for (int row = 0; row < session.list.rowCount(); ++row) {
        Package* package = findPackage(*session.rootPackage, session.list.getRowData(row));
        if (package) package->setSelected(session.list.rowSelected(row) ? 1 : 0);
    }
}

void leavePage(InstallSession& session) {
    if (session.currentPage == pageProducts) {
        session.shortcutMode = checkedRadio(*session.view, shortcutRadios, 3);
    }
    if (session.currentPage == pageParameters) storeParameterValues(session.list);
    if (session.currentPage == pageProducts || session.currentPage == pageComponents) {
        applyRowSelections(session);
    }
}

// The page's own logo, else the common one, else the logo shown so far.
void chooseLogo(InstallSession& session) {
    TextBuffer name("logosct");
    name.appendInt(session.currentPage);
    name.append(".bmp");
    TextBuffer path = JoinPath(InstallFolder().text(), name.text());
    if (!PathExists(path.text())) path = JoinPath(InstallFolder().text(), "logosct.bmp");
    if (!PathExists(path.text())) return;
    session.logoPicture = getBitmap(session.pictures, path.text());
    session.view->redraw();
}

// The registry view as scripts see it, which the wizard has just chosen. The licence and
// parameter pages rebuild the variables after the view is chosen, so they set it again: the
// rebuilt store would otherwise lack it.
void setRegistryBits() {
    bool view64 = registryView64();
    setVariableInteger("USERREGBITS", view64 ? 64 : 32);
    // The program folder that goes with the registry view: a 32-bit program's entries under
    // the 32-bit view belong with its files in the 32-bit folder.
    setVariable("WIN_PROGRAMMES",
                VariableStore().valueOf(view64 ? "WIN_PROGRAMMES64" : "WIN_PROGRAMMES32"));
}

// The check box chooses the registry view unless a "FIGE64BITS" fixes it. A script's choice
// lasts until the next page.
void apply64BitMode(InstallSession& session) {
    ParamNode& settings = session.rootPackage->varTree;
    if (settings.find("FIGE64BITS")) {
        setRegistryViewBits(settings.integerOf("FIGE64BITS"));
    } else {
        setRegistryView64(session.view->isChecked(control64Bit));
    }
    setRegistryBits();
    session.view->showControl(control64Bit, false);
}

void showLicencePage(InstallSession& session) {
    WizardView& view = *session.view;
    TextBuffer licence;
    installerLicence(*session.rootPackage, licence);
    view.setControlText(controlRichText, licence.text());
    view.setCaption(translate("Contrat de licence"));
    prepareSystemVariables(*session.rootPackage, session.shortcutMode);
    setRegistryBits();
    view.showControl(controlRichText, true);
    show(view, controlAccept, "J'accepte le contrat");
    show(view, controlRefuse, "Je n'accepte pas le contrat");
    bool fixed = session.rootPackage->varTree.find("FIGE64BITS") != nullptr;
    if (!fixed && OsBits() == 64) view.showControl(control64Bit, true);
}

void showListPage(InstallSession& session, int step, int& skip) {
    WizardView& view = *session.view;
    bool products = session.currentPage == pageProducts;
    if (products && session.rootPackage->varTree.integerOf("MdeInst") >= 0 &&
        HasAllUsersFolders()) {
        for (int id : shortcutRadios) view.showControl(id, true);
    }
    view.setCaption(translate(products ? "Produits \xE0 installer"
                                       : "Composants des produits s\xE9lectionn\xE9s"));
    show(view, controlInstruction,
         products ? "S\xE9lectionnez les produits \xE0 installer"
                  : "S\xE9lectionnez les composants \xE0 installer");
    view.showControl(controlList, true);
    view.showControl(controlPrevious, true);
    fillProductList(session.list, *session.rootPackage, session.currentPage);
    if (step != 0 && session.list.rowCount() == 0) skip = step;
}

void showParameterPage(InstallSession& session) {
    WizardView& view = *session.view;
    prepareProductVariables(*session.rootPackage, session.shortcutMode);
    setRegistryBits();
    runInitialScripts(*session.rootPackage);
    view.setCaption(translate("Environnement d'installation"));
    // Two lines, each translated on its own.
    TextBuffer instruction(translate("Renseignez les param\xE8tres d'installation; clic droit sur "
                                     "un chemin pour une saisie manuelle"));
    instruction.appendChar('\n');
    instruction.append(translate("Avant de valider, il est conseill\xE9 de fermer les applications "
                                 "ouvertes"));
    view.setControlText(controlInstruction, instruction.text());
    view.showControl(controlInstruction, true);
    view.showControl(controlList, true);
    view.showControl(controlPrevious, true);
    view.setControlText(controlNext, translate("Installer..."));
    if (session.answers) applyParameterAnswers(*session.answers);
    fillParameterList(session.list);
}

void showInstallingPage(InstallSession& session) {
    WizardView& view = *session.view;
    view.setCaption(translate(session.mode == SessionMode::uninstall
                                  ? "D\xE9sinstallation en cours..."
                                  : "Installation en cours..."));
    // Disabled as well as hidden: the dialog manager clicks the default button for the Enter key
    // whether it is visible or not.
    view.showControl(controlNext, false);
    view.enableControl(controlNext, false);
    view.showControl(controlProgress, true);
    session.progress.slidePosition = SlideShowList().children();
    startInstallWorker(session);
}

void showStatePage(InstallSession& session) {
    WizardView& view = *session.view;
    view.setCaption(translate(session.mode == SessionMode::uninstall
                                  ? "Etat de la d\xE9sinstallation"
                                  : "Etat de l'installation"));
    view.beep(session.installSucceeded ? WizardSound::information : WizardSound::error);
    view.enableControl(controlNext, true);
    view.setControlText(controlNext, translate("Exporter..."));
    view.showControl(controlNext, !session.installSucceeded);
    view.setControlText(controlCancel, translate("Fermer"));
    view.showControl(controlRichText, true);
    int queued = OpenList().childCount();
    if (queued > 0) {
        TextBuffer text(translate("Ouvrir les "));
        text.appendInt(queued);
        text.append(translate(" dossier(s) demand\xE9(s)"));
        // Its pieces are translated: the joined text is not translated again.
        view.setControlText(controlOpenFolders, text.text());
        view.showControl(controlOpenFolders, true);
        view.setChecked(controlOpenFolders, session.installSucceeded);
    }
}

// The report as a text file of the user's choice, opened once written. Its line ends are
// already "\r\n": written as text they would double their "\r".
void exportReport(InstallSession& session) {
    TextBuffer path;
    if (!FileDialog(FileDialogKind::save, "TXT (*.txt)|*.txt||", "buginstall.txt", nullptr,
                    nullptr, path)) {
        return;
    }
    OutFileStream file(path.text(), FileMode::binary);
    file << session.reportText;
    if (file.close()) ShellOpen(path.text(), nullptr);
}

// Why the run stops short of its end: failed scripts, else the user.
void stopReport(InstallSession& session) {
    if (ErrorList().children()) {
        showReport(session, translate("ARRET SCRIPT"),
                   translate("L'installation ne peut pas s'effectuer sur votre poste"),
                   RunOutcome::failed);
    } else {
        TextBuffer text(translate("L'installation a \xE9t\xE9 interrompue"));
        if (session.worker.undone) {
            text.append("\r\n");
            text.append(translate("Ce qu'elle avait d\xE9j\xE0 fait a \xE9t\xE9 d\xE9" "fait"));
        }
        showReport(session, translate("ARRET UTILISATEUR"), text.text(), RunOutcome::failed);
    }
}

// Closing from the state page: the queued items open when asked for, and the work folder goes
// through the one removal that checks this run created it.
void closeWizard(InstallSession& session) {
    if (session.view->isChecked(controlOpenFolders)) openQueuedItems();
    removeWorkFolder();
    session.view->close();
}

// The texts of controls that keep theirs on every page.
void setLastingTexts(WizardView& view) {
    const char* const radioTexts[] = {"Raccourcis et programmes partag\xE9s",
                                      "Raccourcis priv\xE9s, programmes partag\xE9s",
                                      "Raccourcis et programmes priv\xE9s"};
    for (int i = 0; i < 3; ++i) view.setControlText(shortcutRadios[i], translate(radioTexts[i]));
    view.setControlText(control64Bit, translate("Mode 64 bits"));
}

// One move and the layout of the page reached; skip receives the step with which to pass over
// that page (a products or components page with nothing to list), else 0.
void showPage(InstallSession& session, int step, int& skip) {
    skip = 0;
    leavePage(session);
    int page = session.currentPage + step;
    session.currentPage = page < pageLicence ? pageLicence : page > pageState ? pageState : page;
    chooseLogo(session);

    WizardView& view = *session.view;
    for (int id : pageControls) view.showControl(id, false);
    view.setControlText(controlNext, translate("Suite >>"));
    view.setControlText(controlCancel, translate("Annuler"));
    view.setControlText(controlPrevious, translate("<< Pr\xE9" "c\xE9" "dent"));
    apply64BitMode(session);

    switch (session.currentPage) {
    case pageLicence: showLicencePage(session); break;
    case pageProducts:
    case pageComponents: showListPage(session, step, skip); break;
    case pageParameters: showParameterPage(session); break;
    case pageInstalling: showInstallingPage(session); break;
    default: showStatePage(session); break;
    }
}

// Moves by step (-1, 0 or +1), passing over the pages that ask to be skipped in the direction of
// travel.
void navigate(InstallSession& session, int step) {
    int skip;
    showPage(session, step, skip);
    TextBuffer recorded;
    bool anyRecorded = false;
    while (skip != 0) {
        if (!anyRecorded || std::strcmp(recorded.text(), Language().text()) != 0) {
            session.rootPackage->writeLanguage(Language().text());
            recorded = Language();
            anyRecorded = true;
        }
        showPage(session, skip, skip);
    }
}

}  // namespace

int shortcutModeFrom(const Package& root) {
    int m = root.varTree.integerOf("MdeInst", 0);
    if (m > 0) return m - 1;
    if (m < 0) return -1 - m;
    return defaultShortcutMode;
}

void startWizard(InstallSession& session, WizardView& view) {
    session.view = &view;
    setLastingTexts(view);
    session.list.attach(view.list());
    const int licenceRadios[] = {controlAccept, controlRefuse};
    setRadios(view, licenceRadios, 2, -1);
    setRadios(view, shortcutRadios, 3, shortcutModeFrom(*session.rootPackage));
    view.setChecked(control64Bit, OsBits() == 64);
    // An uninstaller's run has nothing to choose: its removal starts at once.
    navigate(session, session.mode == SessionMode::uninstall ? pageInstalling : 0);
    updateNextButton(session);
}

void updateNextButton(InstallSession& session) {
    bool enabled = session.currentPage != pageInstalling;
    if (session.currentPage == pageLicence) enabled = session.view->isChecked(controlAccept);
    if (session.currentPage == pageProducts) {
        enabled = false;
        for (int row = 0; row < session.list.rowCount(); ++row) {
            if (session.list.rowSelected(row)) enabled = true;
        }
    }
    session.view->enableControl(controlNext, enabled);
}

void onNext(InstallSession& session) {
    // Only the worker's report leaves the installation's page: moving on would end the run
    // halfway.
    if (session.currentPage == pageInstalling) return;
    if (session.currentPage == pageState) {
        exportReport(session);
        return;
    }
    navigate(session, 1);
    // Errors of the parameters' initial scripts end the run before it starts.
    if (ErrorList().children() && session.currentPage == pageParameters) stopReport(session);
}

void showReport(InstallSession& session, const char* title, const char* text,
                RunOutcome outcome) {
    writeReport(session, title, text, outcome);
    navigate(session, pageState);
}

void onPrevious(InstallSession& session) {
    navigate(session, -1);
}

void onCancel(InstallSession& session) {
    stopInstallWorker(session);
    if (session.currentPage == pageState) {
        closeWizard(session);
    } else {
        stopReport(session);
    }
}
