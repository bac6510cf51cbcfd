// quarzil-demo: the demonstration archive and the README's pictures of the program's windows.
//   quarzil-demo archive --template FILE      fills the current user's default archive (made
//                                             from the template) and company data
//   quarzil-demo shoot --installation DIR --out DIR
//                                             starts the program on that archive and saves a
//                                             picture of each main view and of a few windows
// Both work on the user that HOME and the XDG_* variables name: tools/screenshots.sh gives them
// a scratch home, so a real user's archive is never touched.
#include "DemoArchive.h"

#include "common/AppPaths.h"
#include "common/Commands.h"
#include "common/Profile.h"
#include "shell/ui/CMainApp.h"
#include "shell/ui/CMainFrame.h"
#include "store/ConnectionString.h"
#include "store/Database.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTimer>
#include <cstdio>
#include <functional>

namespace {

void Say(const QString& line) {
    std::fprintf(stderr, "quarzil-demo: %s\n", qPrintable(line));
}

QString Option(const QStringList& args, const QString& name) {
    const qsizetype i = args.indexOf(name);
    return i >= 0 && i + 1 < args.size() ? args.at(i + 1) : QString();
}

void Wait(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

int MakeArchive(const QString& templateFile) {
    const QString appData = AppPaths::ApplicationDataFolder();
    const QString file = AppPaths::DefaultDatabaseFile(appData);
    if (QFileInfo::exists(file)) {
        Say(QStringLiteral("%1 exists already; the demonstration goes into a new home").arg(file));
        return 1;
    }
    if (!AppPaths::PrepareDataFolder(appData) || !QFile::copy(templateFile, file)) {
        Say(QStringLiteral("cannot copy %1 to %2").arg(templateFile, file));
        return 1;
    }
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    Profile profile(Profile::DefaultUserFile(), Profile::DefaultMachineFile());
    DemoArchive::WriteCompany(profile);
    DemoArchive::Contents contents;
    QString error;
    {
        Database db;
        if (!db.open(ConnectionString::ForSqlite(file))) {
            Say(QStringLiteral("cannot open %1: %2").arg(file, db.errorText()));
            return 1;
        }
        if (!DemoArchive::Fill(db, QDate::currentDate(), &contents, &error)) {
            Say(error);
            return 1;
        }
    }
    std::printf("archive %s\ninvoice %d\n", qPrintable(file), contents.invoice);
    return 0;
}

// The list of the visible view with the most rows.
QAbstractItemView* VisibleList(QWidget* frame) {
    QAbstractItemView* best = nullptr;
    for (QAbstractItemView* v : frame->findChildren<QAbstractItemView*>())
        if (v->isVisible() && v->model() &&
            (!best || v->model()->rowCount() > best->model()->rowCount()))
            best = v;
    return best;
}

// Selects the first row that shows the text in some column; the first row when none does.
void SelectRow(QWidget* frame, const QString& text = QString()) {
    QAbstractItemView* view = VisibleList(frame);
    if (!view || view->model()->rowCount() == 0)
        return;
    const QAbstractItemModel* model = view->model();
    int row = 0;
    for (int r = 0; r < model->rowCount() && !text.isEmpty(); ++r)
        for (int c = 0; c < model->columnCount(); ++c)
            if (model->index(r, c).data().toString() == text) {
                row = r;
                r = model->rowCount();
                break;
            }
    view->setFocus();
    view->setCurrentIndex(model->index(row, 0));
    view->selectionModel()->select(model->index(row, 0),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

// Runs a command that opens a window (a modal one included), saves a picture of that window
// once it has settled, and closes it again.
bool ShootWindow(const QString& file, const std::function<void()>& open) {
    QSet<QWidget*> before;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            before.insert(w);
    bool saved = false;
    bool done = false;
    QElapsedTimer clock;
    qint64 seenAt = -1;
    QTimer poll;
    poll.setInterval(50);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            const Qt::WindowType type = w->windowType();
            if (!w->isVisible() || before.contains(w) || (type != Qt::Window && type != Qt::Dialog))
                continue;
            if (seenAt < 0)
                seenAt = clock.elapsed();
            if (clock.elapsed() - seenAt < 700)
                return;
            saved = w->grab().save(file);
            poll.stop();
            done = true;
            if (auto* dialog = qobject_cast<QDialog*>(w))
                dialog->reject();
            else
                w->close();
            return;
        }
        if (clock.elapsed() > 15000) {
            poll.stop();
            done = true;
        }
    });
    clock.start();
    poll.start();
    open();
    while (!done)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    Wait(300);
    Say(QStringLiteral("%1 %2").arg(saved ? QStringLiteral("saved") : QStringLiteral("MISSED"),
                                    file));
    return saved;
}

int Shoot(const QString& installation, const QString& out) {
    QDir().mkpath(out);
    MainAppEnvironment env = MainAppEnvironment::FromSystem();
    env.executableFolder = installation;
    env.showSplash = false;
    env.internetState = [] { return StartupChecks::InternetState::Connected; };
    CMainApp app(env);
    if (!app.initInstance()) {
        Say(QStringLiteral("the program did not start"));
        return 1;
    }
    CMainFrame* frame = app.mainFrame();
    frame->showNormal();
    frame->resize(1240, 780);
    frame->move(0, 0);
    Wait(800);

    int missed = 0;
    // A view with one row selected, so that its pane below shows that row's details.
    auto shootFrame = [&](int view, const QString& name, const QString& select = QString()) {
        frame->setActiveView(view);
        Wait(400);
        SelectRow(frame, select);
        Wait(600);
        const bool ok = frame->grab().save(out + u'/' + name);
        Say(QStringLiteral("%1 %2/%3")
                .arg(ok ? QStringLiteral("saved") : QStringLiteral("MISSED"), out, name));
        missed += ok ? 0 : 1;
    };
    // A view's command, as its ribbon button and keys run it.
    auto trigger = [&](int view, int id) {
        return [frame, view, id] {
            if (auto* a =
                    frame->findChild<QAction*>(QStringLiteral("Command-%1-%2").arg(view).arg(id)))
                a->trigger();
            else
                Say(QStringLiteral("no command %1 in view %2").arg(id).arg(view));
        };
    };
    const QString item = QStringLiteral("Trapano avvitatore 18 V");
    const QString customer = QString::fromUtf8(DemoArchive::kInvoiceCustomer);
    shootFrame(0, QStringLiteral("articoli.png"), item);
    missed += !ShootWindow(out + QStringLiteral("/articolo.png"), trigger(0, Commands::ArtApri));
    shootFrame(1, QStringLiteral("movimenti.png"), customer);
    missed += !ShootWindow(out + QStringLiteral("/movimento.png"), trigger(1, Commands::MovApri));
    missed += !ShootWindow(out + QStringLiteral("/anteprima-fattura.png"),
                           trigger(1, Commands::MovAnteprimaFattura));
    shootFrame(2, QStringLiteral("anagrafiche.png"), customer);
    shootFrame(3, QStringLiteral("agenda.png"));
    frame->setActiveView(0);
    app.exitInstance();
    return missed == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Norvisk"));
    QApplication::setApplicationName(QStringLiteral("Quarzil"));
    const QStringList args = QCoreApplication::arguments();
    const QString verb = args.value(1);
    if (verb == QLatin1String("archive") && !Option(args, QStringLiteral("--template")).isEmpty())
        return MakeArchive(Option(args, QStringLiteral("--template")));
    if (verb == QLatin1String("shoot") && !Option(args, QStringLiteral("--out")).isEmpty())
        return Shoot(Option(args, QStringLiteral("--installation")),
                     Option(args, QStringLiteral("--out")));
    std::fprintf(stderr, "usage: quarzil-demo archive --template FILE\n"
                         "       quarzil-demo shoot --installation DIR --out DIR\n");
    return 2;
}
