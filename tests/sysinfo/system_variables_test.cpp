// Shell folders from the registry and the system's variables.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "params/variable_store.h"
#include "platform/path_names.h"
#include "platform/process_paths.h"
#include "platform/registry_key.h"
#include "platform/system_info.h"

namespace {

const char userFolders[] =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const char commonFolders[] =
    "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// Sets shell folder values for one test and puts the old ones back (a
// value that did not exist comes back empty, which reads as no folder).
struct ShellFolderValues {
    ~ShellFolderValues() {
        for (auto it = saved.rbegin(); it != saved.rend(); ++it)
            write(it->key, it->name, it->text.c_str());
        setRegistryView64(view);
    }

    void set(const char* key, const char* name, const char* folder) {
        RegistryKey reader;
        reader.openPath(key, KeyOpening::existing);
        const char* old = reader.readValue(name, KeyListing::cached, ValueForm::typed);
        saved.push_back({key, name, old ? old : ""});
        write(key, name, folder);
    }

    static void write(const char* key, const std::string& name, const char* text) {
        RegistryKey writer;
        writer.allowWriting();
        writer.openPath(key, KeyOpening::create);
        ASSERT_TRUE(writer.writeValue(name.c_str(), text, IntegerNodes::asString)) << name;
    }

    struct Saved {
        const char* key;
        std::string name;
        std::string text;
    };
    std::vector<Saved> saved;
    // Shell folders are read in the program's own view.
    bool view = setRegistryView64(false);
};

std::string folder(int32_t number, bool allUsers) {
    TextBuffer path = ShellFolder(number, allUsers);
    return path.empty() ? "<none>" : path.text();
}

}  // namespace

TEST(ShellFolders, AllUsersFoldersComeFirstWhenAskedAndSet) {
    ShellFolderValues values;
    values.set(commonFolders, "Common Desktop", "C:\\All\\Desktop");
    values.set(userFolders, "Desktop", "C:\\Me\\Desktop");
    values.set(commonFolders, "Common Favorites", "");
    values.set(userFolders, "Favorites", "C:\\Me\\Favorites");
    values.set(userFolders, "SendTo", "C:\\Me\\SendTo");
    values.set(userFolders, "Templates", "");
    EXPECT_EQ(folder(1, true), "C:\\All\\Desktop");
    EXPECT_EQ(folder(1, false), "C:\\Me\\Desktop");
    EXPECT_EQ(folder(5, true), "C:\\Me\\Favorites");  // the all-users value is empty
    EXPECT_EQ(folder(6, true), "C:\\Me\\SendTo");     // no all-users form
    EXPECT_EQ(folder(7, false), "<none>");
    EXPECT_EQ(folder(0, false), "<none>");
    EXPECT_EQ(folder(10, true), "<none>");
}

TEST(ShellFolders, AllUsersFoldersNeedACommonStartMenu) {
    ShellFolderValues values;
    values.set(commonFolders, "Common Start Menu", "C:\\All\\Start Menu");
    EXPECT_TRUE(HasAllUsersFolders());
    values.set(commonFolders, "Common Start Menu", "");
    EXPECT_FALSE(HasAllUsersFolders());
}

TEST(SystemVariables, AreSetInOrderWithTheirValues) {
    ShellFolderValues values;
    values.set(commonFolders, "Common Desktop", "C:\\All\\Desktop");
    values.set(userFolders, "Desktop", "C:\\Me\\Desktop");
    values.set(userFolders, "AppData", "C:\\Me\\AppData");
    values.set(userFolders, "Templates", "");
    clearVariables();
    setVariable("OSNOM", "overwritten");

    SetSystemVariables(true, "en");
    std::vector<std::string> names;
    for (ParamCell* c = VariableStore().children(); c; c = c->next)
        names.insert(names.begin(), c->node->name());
    // OSNOM existed already and kept its place; the others were created at
    // the front in the order they were set.
    EXPECT_EQ(names, (std::vector<std::string>{
                         "OSNOM", "WIN_BUREAU", "WIN_DATAAPPLI", "WIN_MENUPRG", "WIN_MENUDEMARRER",
                         "WIN_MENUDEMARRERAUTO", "WIN_FAVORI", "WIN_SENDTO", "WIN_FICHIERMODELE",
                         "WIN_MESDOCUMENTS", "WIN_PROGRAMMES32", "WIN_PROGRAMMES64",
                         "WIN_PROGRAMMESPRIVES", "OSBITS", "OSID", "LANGUECR", "INSTALLEFIC",
                         "INSTALLEID3", "INSTALLERAC"}));
    ParamNode& store = VariableStore();
    EXPECT_STREQ(store.valueOf("WIN_BUREAU"), "C:\\All\\Desktop");
    EXPECT_STREQ(store.valueOf("WIN_DATAAPPLI"), "C:\\Me\\AppData");
    EXPECT_STREQ(store.valueOf("WIN_FICHIERMODELE"), "");
    EXPECT_EQ(store.find("OSBITS")->kind(), ValueKind::integer);
    EXPECT_EQ(store.integerOf("OSBITS"), OsBits());
    TextBuffer fullName;
    EXPECT_EQ(store.integerOf("OSID"), OsIdentify(&fullName));
    EXPECT_STREQ(store.valueOf("OSNOM"), fullName.text());
    EXPECT_STREQ(store.valueOf("LANGUECR"), "en");
    TextBuffer program = BaseName(ModulePath().text());
    EXPECT_STREQ(store.valueOf("INSTALLEFIC"), program.text());
    EXPECT_EQ(std::string(store.valueOf("INSTALLEID3")), std::string(program.text()).substr(0, 3));
    EXPECT_STREQ(store.valueOf("INSTALLERAC"), ExeDirectory().text());

    SetSystemVariables(false, nullptr);
    EXPECT_STREQ(store.valueOf("LANGUECR"), "");
    EXPECT_STREQ(store.valueOf("WIN_BUREAU"), "C:\\Me\\Desktop");
    clearVariables();
}
