#include "tests/shell/main/main_window_fixture.h"

#include "shell/main/frm_main.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {
struct Caption {
    TopMenu menu;
    int index;
    const char* italian;
    const char* english;
    const char* shortcut;
};

// The menu items as the user reads them, in both languages, with their keys.
const Caption captions[] = {
    {TopMenu::File, 0, "&Apri file dati...", "&Load Data File...", "Ctrl+L"},
    {TopMenu::File, 1, "&Salva file dati...", "&Save Data File...", "Ctrl+S"},
    {TopMenu::File, 3, "&Scarica dati...", "&Upload data...", "Ctrl+U"},
    {TopMenu::File, 4, "&Importa dati da Tressil", "&Import Data from Tressil", ""},
    {TopMenu::File, 5, "&Esporta dati...", "&Export data...", "Ctrl+E"},
    {TopMenu::File, 7, "&Preferenze...", "&Preferences...", "Ctrl+P"},
    {TopMenu::File, 9, "E&sci", "E&xit", "Ctrl+X"},
    {TopMenu::Monitor, 0, "&Monitor diretto...", "&Direct Monitor...", "Ctrl+D"},
    {TopMenu::Monitor, 2, "&Leggi impostazioni monitoraggio", "&Read Monitor Settings", ""},
    {TopMenu::Monitor, 3, "&Imposta monitoraggio...", "&Set Monitor Settings...", "Ctrl+I"},
    {TopMenu::Monitor, 4, "Imposta &codice ID...", "Set &ID Code...", "Ctrl+C"},
    {TopMenu::Monitor, 6, "S&cegli porta seriale", "S&elect Com Port", ""},
    {TopMenu::Monitor, 7, "Avvia &comunicazione", "Start &Communication", "Ctrl+G"},
    {TopMenu::Graph, 0, "Mostra evoluzione &temporale...", "Show &Time Evolution...", "F4"},
    {TopMenu::Graph, 1, "Mostra s&tatistiche...", "Show S&tatistics...", "F5"},
    {TopMenu::Graph, 2, "Mostra &dati...", "Show &Data Source...", "F6"},
    {TopMenu::Windows, 0, "Mostra finestra &informazioni", "Show &Info Window", "Ctrl+V"},
    {TopMenu::Windows, 1, "&Aggancia finestra informazioni", "&Dock Info Window", "Ctrl+A"},
    {TopMenu::Windows, 2, "Mostra finestra &analisi dati", "&Show Data Analysis Window", "Ctrl+W"},
    {TopMenu::Windows, 4, "&Disponi", "&Arrange", ""},
    {TopMenu::Help, 0, "&Indice...", "&Index...", "F1"},
    {TopMenu::Help, 1, "&Cerca nella guida...", "&Search in help...", "F2"},
    {TopMenu::Help, 3, "I&nformazioni su...", "A&bout...", "F3"},
};

QStringList menuTitles(frmMain& window) {
    QStringList titles;
    for (QAction* top : window.menuBar()->actions())
        titles.append(top->text());
    return titles;
}
} // namespace

class MenuTexts : public MainWindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(MenuTexts, EveryItemCarriesItsCaptionAndKey) {
    const int language = GetParam();
    UseLanguage(language);
    frmMain window;
    for (const Caption& c : captions) {
        QAction* item = window.MenuItem(c.menu, c.index);
        ASSERT_NE(item, nullptr) << c.english;
        EXPECT_EQ(item->text(), QString::fromUtf8(language ? c.english : c.italian));
        EXPECT_EQ(item->shortcut(), QKeySequence::fromString(QLatin1String(c.shortcut)))
            << c.english << " got " << item->shortcut().toString().toStdString();
    }
    const QStringList expected =
        language ? QStringList{"&File", "&Monitor", "&Graphics", "&Windows", "&Help"}
                 : QStringList{"&File", "&Monitor", "&Grafici", "&Finestre", "&Guida"};
    EXPECT_EQ(menuTitles(window), expected);
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, MenuTexts, ::testing::Values(0, 1));

TEST_F(MainWindowTest, MenusHaveTheirSeparatorsAndHideReadMonitorSettings) {
    frmMain window;
    const std::pair<TopMenu, int> separators[] = {
        {TopMenu::File, 2},    {TopMenu::File, 6},    {TopMenu::File, 8}, {TopMenu::Monitor, 1},
        {TopMenu::Monitor, 5}, {TopMenu::Windows, 3}, {TopMenu::Help, 2}};
    for (auto [menu, index] : separators)
        EXPECT_TRUE(window.MenuItem(menu, index)->isSeparator()) << index;
    EXPECT_FALSE(window.MenuItem(TopMenu::Monitor, 2)->isVisible());
    EXPECT_EQ(window.MenuItem(TopMenu::File, 10), nullptr);
    EXPECT_EQ(window.MenuItem(TopMenu::Graph, 3), nullptr);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Corvanel"));
}

TEST_F(MainWindowTest, PortMenuListsComOneToTen) {
    qunsetenv("CORVANEL_COM2");
    qputenv("CORVANEL_COM3", "/tmp/corvanel-no-such-port");
    frmMain window;
    window.Menu(TopMenu::Monitor); // captions are set at load
    for (int i = 0; i < 10; ++i) {
        QAction* port = window.PortItem(i);
        ASSERT_NE(port, nullptr);
        EXPECT_TRUE(port->text().startsWith(QStringLiteral("Com %1").arg(i + 1))) << i;
        EXPECT_TRUE(port->isCheckable());
    }
    EXPECT_EQ(window.PortItem(10), nullptr);
    // The device beside the number: here the path the environment names.
    EXPECT_EQ(window.PortItem(2)->text(), QStringLiteral("Com 3  (/tmp/corvanel-no-such-port)"));
    qunsetenv("CORVANEL_COM3");
}

// The menu table is the one place that says what an item does: a separator does nothing,
// an item that names a button forwards to it, and the others name their own command.
TEST(MenuTable, EveryRowSaysWhatItsItemDoes) {
    for (const MenuItemSpec& item : MenuItems) {
        SCOPED_TRACE(item.designCaption);
        if (item.captionId == 0)
            EXPECT_EQ(item.command, MenuCommand::None);
        if (item.command == MenuCommand::Button)
            EXPECT_NE(item.button, Button::None);
        else
            EXPECT_EQ(item.button, Button::None);
        EXPECT_EQ(FindMenuItem(item.menu, item.index), &item);
    }
    EXPECT_EQ(FindMenuItem(TopMenu::Help, 99), nullptr);
}

TEST_F(MainWindowTest, AnItemWithoutItsCommandYetSaysSoInsteadOfDoingNothing) {
    frmMain window;
    MainWindowHook().ReadMonitorSettings = nullptr;
    window.mnuSubMonitor_Click(2);
    ASSERT_EQ(ui.messageCalls.size(), 1);
    int read = 0;
    MainWindowHook().ReadMonitorSettings = [&] { ++read; };
    window.mnuSubMonitor_Click(2);
    EXPECT_EQ(read, 1);
    EXPECT_EQ(ui.messageCalls.size(), 1);
    MainWindowHook().ReadMonitorSettings = nullptr;
}
