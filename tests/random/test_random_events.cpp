// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Random user events against the running windows, with the windows' invariants checked after
// each one. VELMARA_SEED chooses the events and VELMARA_EVENTS how many; a failure is replayed
// and cut down to a short sequence that still fails.

#include <csignal>
#include <cstring>
#include <optional>
#include <vector>

#include <unistd.h>
#include <QApplication>
#include <QTest>

#include "session.h"
#include "user_events.h"
#include "window_test_support.h"

extern "C" void __sanitizer_set_death_callback(void (*callback)()) __attribute__((weak));

namespace {

constexpr std::uint64_t kDefaultSeed = 20000102;
constexpr qsizetype kDefaultEvents = 10000;
constexpr int kMostReplays = 300;

// The event being sent, kept ready to be written out if the process dies on it.
char g_lastEvent[512];

void WriteLastEvent() {
  const ssize_t written = write(STDERR_FILENO, g_lastEvent, std::strlen(g_lastEvent));
  static_cast<void>(written);
}

void NoteEvent(const QString& run, qsizetype index, const UserEvent& event) {
  const QByteArray note = QStringLiteral("\nrandom events: %1, died at event %2: %3\n")
                              .arg(run)
                              .arg(index)
                              .arg(Describe(event))
                              .toUtf8();
  qstrncpy(g_lastEvent, note.constData(), sizeof g_lastEvent);
}

constexpr std::array<int, 4> kFatalSignals{SIGSEGV, SIGABRT, SIGBUS, SIGFPE};
std::array<struct sigaction, kFatalSignals.size()> g_previousActions;

void OnFatalSignal(int signal) {
  WriteLastEvent();
  for (std::size_t i = 0; i < kFatalSignals.size(); ++i) {
    if (kFatalSignals[i] == signal) sigaction(signal, &g_previousActions[i], nullptr);
  }
  raise(signal);
}

// From here on, a crash or a sanitizer's report ends with the event that caused it; the
// handler that was in place, a sanitizer's among them, still runs after.
void NoteEventOnCrash() {
  struct sigaction action {};
  action.sa_handler = OnFatalSignal;
  sigemptyset(&action.sa_mask);
  for (std::size_t i = 0; i < kFatalSignals.size(); ++i) {
    sigaction(kFatalSignals[i], &action, &g_previousActions[i]);
  }
  if (__sanitizer_set_death_callback) __sanitizer_set_death_callback(WriteLastEvent);
}

// QTest says so each time a click or key lands on a disabled window or a control that ignores
// it, and the offscreen platform each time a window is raised; random input does both all the
// time.
QtMessageHandler g_previousHandler = nullptr;

void QuietAboutRoutineNotes(QtMsgType type, const QMessageLogContext& context,
                            const QString& message) {
  if (type == QtWarningMsg &&
      (message.endsWith(QLatin1String("not accepted by receiving widget")) ||
       message == QLatin1String("This plugin does not support raise()"))) {
    return;
  }
  g_previousHandler(type, context, message);
}

struct Outcome {
  std::vector<UserEvent> events;  // as sent, up to the failing one
  std::optional<std::size_t> failedAt;
  QStringList findings;
  Reach reach;
};

// Sends `count` events, each taken from `next` with the scene it is sent into, to a fresh
// program, and stops at the first event after which an invariant fails. The random run and every
// replay go through here.
template <class NextEvent>
Outcome Play(const QString& run, std::size_t count, NextEvent next) {
  Outcome outcome;
  Session session;
  for (std::size_t i = 0; i < count; ++i) {
    outcome.events.push_back(next(i, session.Now()));
    NoteEvent(run, static_cast<qsizetype>(i), outcome.events.back());
    session.Perform(outcome.events.back());
    outcome.findings = session.TakeFindings();
    if (!outcome.findings.isEmpty()) {
      outcome.failedAt = i;
      break;
    }
  }
  outcome.reach = session.Reached();
  return outcome;
}

QString RuleOf(const QStringList& findings) {
  return findings.isEmpty() ? QString() : findings.front().section(QLatin1Char(':'), 0, 0);
}

struct Shrunk {
  std::vector<UserEvent> events;
  QStringList findings;
  int replays = 0;
};

// Cuts a failing sequence down while it still breaks the same rule: drops chunks of halving size,
// down to single events, within a bounded number of replays.
Shrunk Shrink(std::vector<UserEvent> events, const QStringList& findings) {
  Shrunk shrunk{std::move(events), findings, 0};
  const QString rule = RuleOf(findings);
  for (std::size_t chunk = shrunk.events.size() / 2; chunk >= 1 && shrunk.replays < kMostReplays;
       chunk /= 2) {
    std::size_t start = 0;
    while (start < shrunk.events.size() && shrunk.replays < kMostReplays) {
      std::vector<UserEvent> candidate(shrunk.events.begin(),
                                       shrunk.events.begin() + static_cast<std::ptrdiff_t>(start));
      candidate.insert(candidate.end(),
                       shrunk.events.begin() + static_cast<std::ptrdiff_t>(
                                                   std::min(start + chunk, shrunk.events.size())),
                       shrunk.events.end());
      ++shrunk.replays;
      Outcome replay = Play(QStringLiteral("replay %1").arg(shrunk.replays), candidate.size(),
                            [&candidate](std::size_t i, const Scene&) { return candidate[i]; });
      if (replay.failedAt && RuleOf(replay.findings) == rule) {
        shrunk.events = std::move(replay.events);
        shrunk.findings = replay.findings;
      } else {
        start += chunk;
      }
    }
  }
  return shrunk;
}

}  // namespace

class RandomEventsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void windowsKeepTheirInvariants();
};

void RandomEventsTest::initTestCase() {
  test_support::SetUpLook();
  g_previousHandler = qInstallMessageHandler(QuietAboutRoutineNotes);
}

void RandomEventsTest::windowsKeepTheirInvariants() {
  bool seedGiven = false;
  const std::uint64_t seedValue = qEnvironmentVariable("VELMARA_SEED").toULongLong(&seedGiven);
  const std::uint64_t seed = seedGiven ? seedValue : kDefaultSeed;
  bool countGiven = false;
  const qsizetype countValue = qEnvironmentVariable("VELMARA_EVENTS").toLongLong(&countGiven);
  const auto count =
      static_cast<std::size_t>(countGiven && countValue > 0 ? countValue : kDefaultEvents);

  NoteEventOnCrash();
  EventSource source(seed);
  const Outcome outcome =
      Play(QStringLiteral("seed %1").arg(seed), count,
           [&source](std::size_t, const Scene& scene) { return source.Next(scene); });
  qInfo().noquote() << QStringLiteral("seed %1: %2 events, %3 program starts, %4 About openings")
                           .arg(seed)
                           .arg(outcome.events.size())
                           .arg(outcome.reach.starts)
                           .arg(outcome.reach.aboutOpenings);

  if (outcome.failedAt) {
    const Shrunk shrunk = Shrink(outcome.events, outcome.findings);
    QString report = QStringLiteral("seed %1, event %2: %3\n")
                         .arg(seed)
                         .arg(*outcome.failedAt)
                         .arg(outcome.findings.join(QStringLiteral("; ")));
    report += QStringLiteral("shortest failing sequence found (%1 events, %2 replays):\n")
                  .arg(shrunk.events.size())
                  .arg(shrunk.replays);
    for (std::size_t i = 0; i < shrunk.events.size(); ++i) {
      report += QStringLiteral("  %1. %2\n").arg(i + 1).arg(Describe(shrunk.events[i]));
    }
    report += QStringLiteral("which ends with: ") + shrunk.findings.join(QStringLiteral("; "));
    QFAIL(qPrintable(report));
  }

  // A run long enough to reach every button must have pressed each one the checks follow;
  // otherwise the events are not landing where they are aimed.
  if (count >= 2000) {
    for (const char* button : {"Command2", "Command3", "Command5", "Command6"}) {
      QVERIFY2(outcome.reach.pressed.contains(QLatin1String(button)), button);
    }
    QVERIFY2(outcome.reach.starts > 1, "the program was never closed by the user");
    QVERIFY2(outcome.reach.aboutOpenings > 0, "the About window was never opened");
  }
}

QTEST_MAIN(RandomEventsTest)
#include "test_random_events.moc"
