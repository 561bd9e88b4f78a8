// Each ready translation table against what the wizard really shows in its language: every page,
// a success and an error report, a stop, the prompts and the about box. The table under test is
// loaded with each translation marked, so that any French text left unmarked on screen is one
// the program shows without a translation.
#include <cctype>
#include <cerrno>
#include <cstring>
#include <set>

#include "app/about_box.h"
#include "app/brand.h"
#include "app/parameter_list.h"
#include "app/progress_display.h"
#include "recording_wizard.h"
#include "session/run_state.h"
#include "session/stores.h"
#include "session/translation.h"
#include "tools/mkinstaller/ready_translations.h"
#include "ui/licence_text.h"
#include "ui/window_texts.h"

namespace {

// Every text the page logic gives the window, in order.
struct TextView : RecordingView {
    std::vector<std::string> texts;
    void setCaption(const char* text) override {
        texts.push_back(text);
        RecordingView::setCaption(text);
    }
    void setControlText(int id, const char* text) override {
        texts.push_back(text);
        RecordingView::setControlText(id, text);
    }
};

// Words a translated screen may still show: the publisher's name, the report's font, the keyword
// of the command that fails and the name of the system's error entry. The fixture's own texts
// hold digits, which mark operands.
const std::set<std::string> operandWords = {brandName, "Arial", "FCOPY", "Windows"};

// The words of a text outside its translated pieces (between \1 and \2); tokens holding digits,
// paths and rich-text control words are operands.
std::vector<std::string> untranslatedWords(std::string text) {
    // The system's error text is in the system's language.
    const std::string systemError = std::strerror(ENOENT);
    for (size_t at; (at = text.find(systemError)) != std::string::npos;) text.erase(at, systemError.size());
    std::string rest;
    bool marked = false;
    for (char c : text) {
        if (c == '\1' || c == '\2') marked = c == '\1';
        else if (!marked) rest += c;
    }
    std::vector<std::string> words;
    size_t start = 0;
    while (start < rest.size()) {
        size_t end = rest.find_first_of(" \t\r\n", start);
        std::string token = rest.substr(start, end - start);
        start = end == std::string::npos ? end : end + 1;
        if (token.find_first_of("0123456789/\\") != std::string::npos) continue;
        std::string word;
        for (char c : token + ' ') {
            if (std::isalpha(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0xC0) {
                word += c;
            } else {
                if (word.size() > 1 && !operandWords.count(word)) words.push_back(word);
                word.clear();
            }
        }
    }
    return words;
}

struct Completeness : Wizard, ::testing::WithParamInterface<const char*> {
    TextView screen;
    std::vector<std::string> shownTexts;

    void loadMarkedTable() {
        Language().assign(GetParam());
        ParamNode* table = Translations().findOrCreate(GetParam());
        for (ParamCell* c = readyTable(GetParam())->children(); c; c = c->next) {
            std::string marked = std::string("\1") + c->node->value() + "\2";
            table->findOrCreate(c->node->name())->setText(marked.c_str());
        }
    }

    void writeProduct(bool failing) {
        folder.write("install.ini", "Produit\n+\nID = \"root\"\n-\n");
        folder.write("a.cpx/install.ini",
                     "Produit\n+\nTitre = \"P1\"\n-\n"
                     "Variable\n+\n"
                     "  D1 = \"V1\"\n  T1 = \"&V2\"\n  C1 = \"<x1|y1>V3\"\n"
                     "  A1 = \"*V4\"\n  +\n    INFORMATION  +  \"T4\" = \"M4\"  -\n  -\n-\n"
                     "Attente\n+\n  \"s1.bmp\" = 1000\n-\n"
                     "Installe\n+\n"
                     "  INFORMATION  +  \"T1\" = \"M1\"  -\n"
                     "  CONFIRMATION  +  Titre = \"T2\"  Message = \"M2\"  -\n"
                     "  IHM_LST  +  IHM = \"|tjrs|\"  Variable = \"R1\"  -\n"
                     "  IHM_LST  +  IHM = \"|tjrs|\"  Variable = \"R2\"\n"
                     "    ChoixStat  +  \"x1\" = \"1\"  \"y1\" = \"2\"  -\n  -\n"
                     "  OUVRE  +  \"/o1\"  -\n" +
                         std::string(failing ? "  FCOPY  +  \"/missing1\" = \"/missing2\"  -\n" : "") +
                         "-\n");
        folder.write("a.cpx/c.cpx/install.ini", "Produit\n+\nTitre = \"C1\"\n-\n");
        folder.write("b.cpx/install.ini",
                     "Produit\n+\nTitre = \"P2\"\nMessEtat0 = \"M3\"\n-\n");
    }

    // The texts of the list as it stands: its headings and cells.
    void noteList() {
        for (const std::string& title : screen.rows.titles) shownTexts.push_back(title);
        for (const auto& row : screen.rows.rows) shownTexts.insert(shownTexts.end(), row.begin(), row.end());
    }

    std::unique_ptr<InstallSession> startOn(bool failing) {
        resetSession();
        writeProduct(failing);
        auto session = std::make_unique<InstallSession>(SessionMode::install);
        startSession(*session);
        loadMarkedTable();
        startWizard(*session, screen);
        screen.click(controlAccept, {controlAccept, controlRefuse});
        return session;
    }

    void clickParameterRows(InstallSession& session) {
        for (int row = 0; row < screen.rows.rowCount(); ++row) {
            screen.rows.cursorY = row * 10;
            shown.answerChoice("typed1");
            parameterClick(session, MouseButton::right);
        }
    }

    // Licence, products (the second one left out, which asks), components, parameters (each row
    // clicked), the installation to its report, then the about box.
    void install(bool failing) {
        auto session = startOn(failing);
        onNext(*session);
        noteList();
        screen.rows.selected[screen.rowTitled("P2")] = false;
        shown.answerYes(true);
        onNext(*session);
        noteList();
        onNext(*session);
        noteList();
        clickParameterRows(*session);
        noteList();
        shown.answerYes(true);
        shown.answerChoice("x1");
        onNext(*session);
        while (session->currentPage == pageInstalling) onProgressTimer(*session);
        showAboutBox(brandName);
        showProgressLines(*session);
    }

    // The installation page's status line with and without a running package.
    void showProgressLines(InstallSession& session) {
        session.currentPage = pageInstalling;
        session.worker.done = false;
        SlideShowList().append(new ParamNode("s1.bmp", 1000));
        RunningPackage() = session.rootPackage.get();
        for (int tick = 0; tick < 40; ++tick) {
            if (tick == 20) RunningPackage() = nullptr;
            onProgressTimer(session);
        }
    }

    void stopOnLicencePage() {
        auto session = startOn(false);
        onCancel(*session);
    }

    void collectPromptTexts() {
        for (ParamCell* c = shown.asked.children(); c; c = c->next) {
            shownTexts.push_back(c->node->value() ? c->node->value() : "");
            shownTexts.push_back(c->node->valueOf("text"));
        }
        shownTexts.insert(shownTexts.end(), screen.texts.begin(), screen.texts.end());
    }
};

}  // namespace

TEST_P(Completeness, NoFrenchTextOnScreenLacksATranslation) {
    ASSERT_NE(nullptr, readyTable(GetParam()));
    install(false);
    install(true);
    stopOnLicencePage();
    RunningPackage() = nullptr;
    collectPromptTexts();
    TextBuffer licence;
    builtInLicence(licence);
    licence.replaceAll("${SOCIETE}", brandName);

    std::set<std::string> reported;
    for (const std::string& text : shownTexts) {
        // The licence is the publisher's document, not the installer's text.
        if (text == licence.text()) continue;
        std::vector<std::string> words = untranslatedWords(text);
        if (!words.empty() && reported.insert(text).second)
            ADD_FAILURE() << "shown in " << GetParam() << " with \"" << words[0] << "\" untranslated: \""
                          << text << '"';
    }
    // The texts the system's windows set themselves, which no page logic shows.
    for (const char* text : {okText, cancelText, containingText, aboutItemText})
        EXPECT_NE(nullptr, readyTable(GetParam())->find(text)) << text;
    // The run reached every kind of text.
    for (const char* kind : {"askYesNo", "showMessage", "notify", "askText", "chooseFromList"})
        EXPECT_NE(nullptr, shown.asked.find(kind)) << kind;
}

INSTANTIATE_TEST_SUITE_P(ReadyTables, Completeness, ::testing::Values("en", "de", "es", "it"));
