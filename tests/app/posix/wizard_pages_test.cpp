// The wizard's pages over a window that records what it is told.
#include "recording_wizard.h"

#include "app/install_variables.h"
#include "app/parameter_list.h"
#include "app/progress_display.h"
#include "app/product_list.h"
#include "packages/package.h"
#include "params/variable_store.h"
#include "platform/path_names.h"
#include "platform/registry_key.h"
#include "session/stores.h"
#include "session/translation.h"
#include "ui/bitmap.h"

TEST_F(Wizard, NextNeedsTheLicenceAcceptedAndAProductSelected) {
    product("a.cpx", "A");
    auto session = start();
    view.click(-1, {controlAccept, controlRefuse});
    updateNextButton(*session);
    EXPECT_EQ("Contrat de licence", view.caption);
    EXPECT_FALSE(view.controls[controlNext].enabled);
    for (int id : {controlAccept, controlRefuse, controlAccept}) {
        view.click(id, {controlAccept, controlRefuse});
        updateNextButton(*session);
        EXPECT_EQ(id == controlAccept, view.controls[controlNext].enabled) << id;
    }

    onNext(*session);
    EXPECT_EQ(pageProducts, session->currentPage);
    EXPECT_TRUE(view.controls[controlList].shown);
    EXPECT_FALSE(view.controls[controlRichText].shown);
    updateNextButton(*session);
    EXPECT_TRUE(view.controls[controlNext].enabled);
    view.rows.selected.assign(view.rows.rows.size(), false);
    updateNextButton(*session);
    EXPECT_FALSE(view.controls[controlNext].enabled);
}

// Pages 1 and 2 are passed over in the direction of travel when they would list nothing.
TEST_F(Wizard, EmptyListPagesAreSkippedBothWays) {
    product("a.cpx", "A");
    product("a.cpx/c.cpx", "C of A");
    product("b.cpx", "B");
    auto session = start();
    onNext(*session);
    ASSERT_EQ(2, view.rows.rowCount());
    view.rows.selected[view.rowTitled("A")] = false;
    onNext(*session);
    EXPECT_EQ(pageParameters, session->currentPage);
    EXPECT_EQ("Installer...", view.controls[controlNext].text);
    onPrevious(*session);
    EXPECT_EQ(pageProducts, session->currentPage);
    EXPECT_FALSE(view.rows.selected[view.rowTitled("A")]);

    view.rows.selected[view.rowTitled("A")] = true;
    onNext(*session);
    EXPECT_EQ(pageComponents, session->currentPage);
    EXPECT_EQ(0, view.rowTitled("C of A"));
    EXPECT_EQ(1, view.rows.rowCount());
}

TEST_F(Wizard, WithoutSubPackagesTheLicenceLeadsToTheParameters) {
    auto session = start();
    onNext(*session);
    EXPECT_EQ(pageParameters, session->currentPage);
    onPrevious(*session);
    EXPECT_EQ(pageLicence, session->currentPage);
    EXPECT_TRUE(view.controls[controlAccept].shown);
}

// 32 and 0 fix the 32-bit view, 64 and any other value the 64-bit one.
TEST_F(Wizard, FixedBitsOverrideTheCheckBox) {
    const struct {
        const char* fixed;
        const char* bits;
    } cases[] = {{"32", "32"}, {"64", "64"}, {"0", "32"}, {"1", "64"}, {"-5", "64"}};
    for (const auto& c : cases) {
        folder.write("var.ini", std::string("FIGE64BITS = ") + c.fixed + "\n");
        auto session = start();
        EXPECT_FALSE(view.controls[control64Bit].shown) << c.fixed;
        EXPECT_STREQ(c.bits, VariableStore().valueOf("USERREGBITS")) << c.fixed;
        EXPECT_STREQ(VariableStore().valueOf(std::string("WIN_PROGRAMMES").append(c.bits).c_str()),
                     VariableStore().valueOf("WIN_PROGRAMMES"))
            << c.fixed;
        resetSession();
    }
}

// The root's "SOCIETE" names the publisher in the licence and the thanks, the brand without it;
// the licence is the description's own for the language, else its general one, else the built-in.
TEST_F(Wizard, PublisherAndLicenceOfTheDescription) {
    auto licenceOf = [&](const char* program) {
        folder.write(program, "stub");
        setFixedModulePath((folder / program).c_str());
        auto session = start();
        std::string licence = view.controls[controlRichText].text;
        resetSession();
        return licence;
    };
    EXPECT_NE(std::string::npos, licenceOf("setup.exe").find("Korvane vous accorde"));
    folder.write("var.ini",
                 "SOCIETE = \"\xC9"
                 "ditions Lune\"\n");
    folder.write("licence.rtf", "{\\rtf1 de ${SOCIETE}}");
    folder.write("licence-en.rtf", "{\\rtf1 in English}");
    EXPECT_EQ(
        "{\\rtf1 de \xC9"
        "ditions Lune}",
        licenceOf("setup-de.exe"));
    EXPECT_EQ("{\\rtf1 in English}", licenceOf("setup-en.exe"));

    auto session = start();
    session->currentPage = pageInstalling;
    session->worker.done = true;
    onProgressTimer(*session);
    EXPECT_NE(std::string::npos, std::string(session->reportText.text())
                                     .find("Merci d'avoir choisi \xC9"
                                           "ditions Lune"));
}

// Cancel before the end shows why the run stopped and keeps the window; on the state page it
// closes the window and takes away the work folder this run made.
TEST_F(Wizard, CancelReportsThenCloseRemovesTheWorkFolder) {
    product("a.cpx", "A");
    auto session = start();
    onNext(*session);
    onCancel(*session);
    EXPECT_EQ(pageState, session->currentPage);
    EXPECT_EQ(0u, std::string(session->reportText.text()).find("ARRET UTILISATEUR"));
    EXPECT_EQ("Fermer", view.controls[controlCancel].text);
    EXPECT_FALSE(view.closed);

    addError("???", "failed");
    onPrevious(*session);
    onCancel(*session);
    EXPECT_EQ(0u, std::string(session->reportText.text()).find("ARRET SCRIPT"));
    EXPECT_FALSE(treeOf(temp.path).empty());

    onCancel(*session);
    EXPECT_TRUE(view.closed);
    EXPECT_TRUE(treeOf(temp.path).empty());
    EXPECT_TRUE(treeOf(folder.path).count("install.ini"));
}

// The open-folders box joins its translated pieces; the joined text is not looked up again.
TEST_F(Wizard, OpenFoldersBoxIsTranslatedPieceByPiece) {
    auto session = start();
    Language().assign("en");
    ParamNode& english = *Translations().findOrCreate("en");
    english.findOrCreate("Ouvrir les ")->setText("Open the ");
    english.findOrCreate(" dossier(s) demand\xE9(s)")->setText(" folder(s) asked for");
    english.findOrCreate("Open the 1 folder(s) asked for")->setText("translated twice");
    OpenList().append(new ParamNode("c:\\dossier", ""));
    onCancel(*session);
    EXPECT_TRUE(view.controls[controlOpenFolders].shown);
    EXPECT_EQ("Open the 1 folder(s) asked for", view.controls[controlOpenFolders].text);
}

namespace {

// A parameter of each kind; the action copies CLICUSR and the text parameter into variables.
// The last one removes itself when the page runs the initial scripts.
const char parameters[] =
    "Variable\n+\n"
    "DOSSIER = \"Dossier\"\n"
    "TEXTE = \"&Nom\"\n"
    "CHOIX = \"<un|deux|trois>Choix\"\n"
    "ACTION = \"*Action\"\n+\nAFFECTE\n+\nVU = \"${CLICUSR}\"\nCOPIE = \"${TEXTE}\"\n-\n-\n"
    "CASSE = \"<sans fin\"\n"
    "EPHEMERE = \"&Supprime par son script initial\"\n+\nVARKILL\n+\nEPHEMERE\n-\n-\n"
    "-\n";

}  // namespace

TEST_F(Wizard, ParameterClicksByKind) {
    folder.write("install.ini", parameters);
    folder.write("var.ini", "DOSSIER = \"c:\\\\avant\"\n");
    auto session = start();
    onNext(*session);
    ASSERT_EQ(pageParameters, session->currentPage);
    auto& rows = view.rows.rows;
    auto row = [&](const char* name) {
        for (size_t r = 0; r < rows.size(); ++r) {
            if (std::string(view.rows.data[r]) == name) return static_cast<int>(r);
        }
        return -1;
    };
    auto click = [&](const char* name, MouseButton button) {
        view.rows.cursorX = 1;
        view.rows.cursorY = 10 * row(name) + 5;
        parameterClick(*session, button);
    };
    // A variable whose initial script removes it is not listed; the others still run.
    EXPECT_FALSE(isDefined("EPHEMERE"));
    ASSERT_EQ(5u, rows.size());
    EXPECT_EQ("c:\\avant", rows[row("DOSSIER")][0]);
    EXPECT_EQ("un", rows[row("CHOIX")][0]);
    EXPECT_EQ("???", rows[row("CASSE")][1]);

    shown.answerChoice("c:\\choisi");
    click("DOSSIER", MouseButton::left);
    EXPECT_EQ("c:\\choisi", rows[row("DOSSIER")][0]);
    EXPECT_STREQ("chooseFolder", shown.asked.child(0)->name());
    EXPECT_STREQ("Dossier", shown.asked.child(0)->value());
    shown.answerChoice("d:\\tape");
    click("DOSSIER", MouseButton::right);
    EXPECT_EQ("d:\\tape", rows[row("DOSSIER")][0]);
    // A typed value is kept whole, however long.
    std::string longValue(300, 'x');
    shown.answerChoice(longValue.c_str());
    click("TEXTE", MouseButton::left);
    EXPECT_STREQ("Saisissez votre valeur", shown.asked.child(2)->value());
    EXPECT_STREQ("Nom", shown.asked.child(2)->valueOf("text"));
    for (const char* expected : {"deux", "trois", "un"}) {
        click("CHOIX", MouseButton::left);
        EXPECT_EQ(expected, rows[row("CHOIX")][0]);
    }
    rows[row("CHOIX")][0] = "DEUX";
    click("CHOIX", MouseButton::right);
    EXPECT_EQ("trois", rows[row("CHOIX")][0]);

    click("ACTION", MouseButton::left);
    EXPECT_STREQ("Oui", VariableStore().valueOf("VU"));
    EXPECT_EQ(longValue, VariableStore().valueOf("COPIE"));
    EXPECT_FALSE(isDefined("CLICUSR"));
    EXPECT_EQ(5u, rows.size());

    // Going back rebuilds the variables: the page shows the defaults again.
    onPrevious(*session);
    onNext(*session);
    EXPECT_EQ("c:\\avant", rows[row("DOSSIER")][0]);
    EXPECT_EQ("un", rows[row("CHOIX")][0]);
}

// A product left unselected brings nothing to the later pages: no component, no variable, no
// picture, no initial script; once selected, its failing initial script stops the run.
TEST_F(Wizard, OnlySelectedProductsArePrepared) {
    product("a.cpx", "A");
    folder.write("a.cpx/c.cpx/install.ini",
                 "Produit\n+\nTitre = \"C\"\n-\nAttente\n+\nc.bmp = 500\n-\n"
                 "Variable\n+\nVC = \"&C\"\n-\n");
    folder.write("b.cpx/install.ini", "Produit\n+\nTitre = \"B\"\nEtatDef = 0\n-\n");
    folder.write("b.cpx/d.cpx/install.ini",
                 "Produit\n+\nTitre = \"D\"\n-\nAttente\n+\nd.bmp = 500\n-\n"
                 "Variable\n+\nVD = \"&D\"\n+\nBIDON\n+\nx = y\n-\n-\n-\n");
    auto session = start();
    onNext(*session);
    onNext(*session);
    EXPECT_EQ(1, view.rows.rowCount());
    EXPECT_EQ(0, view.rowTitled("C"));
    onNext(*session);
    EXPECT_EQ(pageParameters, session->currentPage);
    ASSERT_TRUE(isDefined("VC"));
    EXPECT_FALSE(isDefined("VD"));
    EXPECT_EQ(1, SlideShowList().childCount());
    Package* declaring =
        findPackage(*session->rootPackage, VariableStore().find("VC")->valueOf("IDProd"));
    EXPECT_STREQ("C", declaring->title.text());
    EXPECT_EQ(nullptr, ErrorList().children());

    onPrevious(*session);
    onPrevious(*session);
    view.rows.selected[view.rowTitled("B")] = true;
    onNext(*session);
    onNext(*session);
    EXPECT_EQ(pageState, session->currentPage);
    EXPECT_EQ(0u, std::string(session->reportText.text()).find("ARRET SCRIPT"));
}

TEST_F(Wizard, LogoOfThePageElseTheCommonOne) {
    folder.write("logosct.bmp", "not a picture");
    folder.write("logosct3.bmp", "not a picture");
    auto session = start();
    ASSERT_NE(nullptr, session->logoPicture);
    EXPECT_STREQ("logosct.bmp", BaseName(session->logoPicture->path.text()).text());
    EXPECT_EQ(1, view.redraws);
    onNext(*session);
    EXPECT_STREQ("logosct3.bmp", BaseName(session->logoPicture->path.text()).text());
}

// Shared shortcuts name the all-users folders; the private modes the user's own. "MdeInst"
// checks a radio at the start, and the variables follow the radios once the products page is
// left, the start value before.
TEST_F(Wizard, ShortcutModeChoosesTheDesktop) {
    auto desktops = [](const char* common, const char* own) {
        const struct { const char* root; const char* name; const char* folder; } values[] = {
            {"HKEY_LOCAL_MACHINE", "Common Desktop", common}, {"HKEY_CURRENT_USER", "Desktop", own}};
        for (const auto& value : values) {
            RegistryKey key;
            key.allowWriting();
            key.openPath((std::string(value.root) + "\\Software\\Microsoft\\Windows\\"
                                                    "CurrentVersion\\Explorer\\Shell Folders").c_str(),
                         KeyOpening::create);
            key.writeValue(value.name, value.folder, IntegerNodes::asString);
        }
    };
    desktops("c:\\tous", "c:\\moi");
    folder.write("var.ini", "MdeInst = 1\n");
    product("a.cpx", "A");
    auto session = start();
    EXPECT_TRUE(view.controls[controlSharedShortcuts].checked);
    EXPECT_STREQ("c:\\moi", VariableStore().valueOf("WIN_BUREAU"));
    onNext(*session);
    onNext(*session);
    ASSERT_EQ(pageParameters, session->currentPage);
    EXPECT_STREQ("c:\\tous", VariableStore().valueOf("WIN_BUREAU"));
    for (int mode : {0, 1, 2}) {
        prepareSystemVariables(*session->rootPackage, mode);
        EXPECT_STREQ(mode == 0 ? "c:\\tous" : "c:\\moi", VariableStore().valueOf("WIN_BUREAU"));
    }
    desktops("", "");
}
