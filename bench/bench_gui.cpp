// Whole requests through the real main window on Qt's offscreen platform: the application is
// started as its start-up does it, then each request presses the real button, with the open
// and save dialogs answered by a script, and lets the list box view take its reset.
//
//   bench_gui [--cues=N] [benchmark flags]        (or TAVREL_BENCH_CUES=N; default 1000000)
//
// Reports the bytes of the SRT file handled per second and the peak resident memory, also as a
// multiple of the file's size; compare with bench_engine's BM_WholeRequest.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTableView>
#include <QTest>

#include "BenchSupport.h"
#include "app/App.h"
#include "app/Startup.h"
#include "app/Window1.h"
#include "platform/core/StringList.h"
#include "platform/data/DialogBackend.h"
#include "platform/ui/FrameworkRuntime.h"
#include "platform/ui/GuardedApplication.h"
#include "support/ScriptedDialogBackend.h"

namespace {

platform::ScriptedDialogBackend dialogs;

// Lets go of what one request leaves behind, the cue list and the application object's lists,
// so that every request starts as the first one of the application's run does.
void ForgetTheLastRequest() {
    ::Window1().Listbox1().DeleteAllRows();
    ::App().startTimeArray = platform::StringList();
    ::App().endTimeArray = platform::StringList();
    ::App().textArray = platform::StringList();
    QCoreApplication::processEvents();
    dialogs.ClearRecords();
}

// One whole request, as the user makes it: a click on "Open SRT and Retime It!".
void BM_ButtonPress(benchmark::State& state) {
    ForgetTheLastRequest();
    tavrelbench::ResetPeakMemory();
    for (auto _ : state) {
        dialogs.AnswerOpen(tavrelbench::InputPath());
        dialogs.AnswerSave(tavrelbench::OutputPath());
        QTest::mouseClick(::Window1().BevelButton1().Widget(), Qt::LeftButton);
        QCoreApplication::processEvents();  // the list box view's reset

        const QAbstractItemModel* shown = ::Window1().Listbox1().QtView()->model();
        if (!dialogs.Messages().empty() || dialogs.Launched().size() != 1 ||
            shown->rowCount() != tavrelbench::CueCount()) {
            tavrelbench::Fail(state, "the request did not show and write every cue");
            break;
        }
        state.PauseTiming();
        ForgetTheLastRequest();  // freeing a million rows is not part of the request
        state.ResumeTiming();
    }
    tavrelbench::ReportMemory(state);
}

}  // namespace

BENCHMARK(BM_ButtonPress)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (!tavrelbench::Initialize(argc, argv)) {
        return 1;
    }
    platform::ui::GuardedApplication application(argc, argv);
    tavrelbench::GenerateInput();

    platform::InstallDialogBackend(&dialogs);
    tavrel::EarlyStartup();
    platform::ui::RunFrameworkInitialization(tavrel::LateStartup);
    QCoreApplication::processEvents();

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    ::Window1().Close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    platform::ui::RuntimePerformFinalizers();
    platform::InstallDialogBackend(nullptr);
    tavrelbench::RemoveFiles();
    return tavrelbench::ExitStatus();
}
