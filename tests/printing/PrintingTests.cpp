#include "FakeWord.h"
#include "ScriptedDialogs.h"
#include "automation/ServerFactories.h"
#include "printing/EnvelopePrintJob.h"
#include "printing/PrintView.h"
#include "printing/WordInstance.h"
#include "printing/WordState.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

namespace addrell {
namespace {

using testing::describe;

class FixedPrintView : public PrintView {
public:
    [[nodiscard]] bool printCenterSelected() const override { return center; }
    [[nodiscard]] QString addressText() const override { return address; }
    [[nodiscard]] QString returnText() const override { return returnAddress; }

    bool center = false;
    QString address = QStringLiteral("Jo Recipient\r\n5 Elm St\r\nTown, ST  00001");
    QString returnAddress = QStringLiteral("Pat Example\r\nPO Box 0\r\n\r\n");
};

class PrintingTest : public ::testing::Test {
protected:
    PrintingTest()
    {
        factories.wordApplication = [this] {
            return std::make_shared<testing::FakeWordApplication>(log);
        };
        factories.wordGlobal = [this] { return std::make_shared<testing::FakeWordGlobal>(log); };
    }

    // A fresh start: nothing created, nothing asked.
    void restart()
    {
        log = std::make_shared<testing::WordLog>();
        state = WordState{};
        dialogs.clear();
    }

    std::shared_ptr<testing::WordLog> log = std::make_shared<testing::WordLog>();
    ServerFactories factories;
    testing::ScriptedDialogs dialogs;
    FixedPrintView view;
    WordState state;
    WordInstance instance{state, factories, dialogs};
    EnvelopePrintJob job{state, instance, factories, view, dialogs};
};

TEST_F(PrintingTest, FirstPrintHoldsTheWholeConversationForEitherFeed)
{
    for (const bool center : {false, true}) {
        SCOPED_TRACE(center ? "Print Center" : "Print Right");
        restart();
        EnvelopePrintJob freshJob{state, instance, factories, view, dialogs};
        view.center = center;
        dialogs.setNextAnswer(MessageResult::Yes);
        freshJob.cmdPrint_Click();

        EXPECT_EQ(log->calls, (QStringList{"create Word.Application", "Application.Documents",
                                           "Documents.Add(missing, missing, missing, missing)",
                                           "Application.ActiveDocument", "create Word.Global",
                                           "Global.InchesToPoints(single:4.13)",
                                           "Global.InchesToPoints(single:9.5)", "Document.Envelope",
                                           "Envelope.PrintOut"}));
        QStringList arguments;
        for (const Variant& argument : log->lastPrintOut) {
            arguments << describe(argument);
        }
        QStringList expected{"bool:False",
                             "str:" + view.address,
                             "missing",
                             "bool:False",
                             "str:" + view.returnAddress,
                             "missing",
                             "bool:False",
                             "bool:False",
                             "missing",
                             "single:297.36",
                             "single:684",
                             "missing",
                             "i32:0",
                             "i32:0",
                             "i32:0",
                             "i32:0",
                             center ? "bool:True" : "bool:False",
                             center ? "i32:4" : "i32:6"};
        expected.resize(28, QStringLiteral("missing"));
        EXPECT_EQ(arguments, expected);
        ASSERT_EQ(dialogs.messages().size(), 1U);
        const MessageBoxRequest question{QStringLiteral("Print Envelope?"), MessageIcon::Question,
                                         MessageButtons::YesNo, MessageResult::No,
                                         QStringLiteral("Addrell")};
        EXPECT_EQ(dialogs.messages()[0], question);
        EXPECT_FALSE(state.blnNoWord);
    }
}

TEST_F(PrintingTest, LaterPrintsAskNothingAndKeepWordAndItsGlobalObject)
{
    dialogs.setNextAnswer(MessageResult::Yes);
    job.cmdPrint_Click();
    log->calls.clear();
    view.address = QStringLiteral("Typed\r\nby hand");
    job.cmdPrint_Click();
    job.cmdPrint_Click();

    EXPECT_EQ(dialogs.messages().size(), 1U);
    const QStringList print{"Global.InchesToPoints(single:4.13)",
                            "Global.InchesToPoints(single:9.5)", "Document.Envelope",
                            "Envelope.PrintOut"};
    EXPECT_EQ(log->calls, print + print);
    EXPECT_EQ(describe(log->lastPrintOut[1]), QStringLiteral("str:Typed\r\nby hand"));
}

TEST_F(PrintingTest, DecliningPrintsNothingAndTheNextPrintAsksAgain)
{
    dialogs.setNextAnswer(MessageResult::No);
    job.cmdPrint_Click();
    EXPECT_EQ(dialogs.messageTexts(),
              (QStringList{"Print Envelope?", "MSWord did not get opened"}));
    EXPECT_EQ(dialogs.messages()[1].icon, MessageIcon::Information);
    EXPECT_EQ(log->calls, QStringList{"create Word.Application"});
    EXPECT_EQ(log->applicationsAlive, 0); // released, without being told to quit
    EXPECT_TRUE(state.blnNoWord);

    dialogs.setNextAnswer(MessageResult::Yes);
    job.cmdPrint_Click();
    EXPECT_EQ(dialogs.messageTexts().size(), 3);
    EXPECT_EQ(log->calls.count(QStringLiteral("create Word.Application")), 2);
    EXPECT_EQ(log->calls.last(), QStringLiteral("Envelope.PrintOut"));
}

TEST_F(PrintingTest, EveryFailureGivesTheThreeLineReportAndLeavesWordAsItStood)
{
    const QString fakeWord = QStringLiteral("-2146823680\r\nThe printer is out of envelopes.\r\n"
                                            "Fake Word");
    struct Case {
        const char* failOn;
        std::exception_ptr thrown;
        QString report;
        bool wordKept; // objWord still holds the instance
        bool started;  // blnNoWord False, objDoc set
    };
    const Case cases[] = {
        {"create Word.Application",
         {},
         "429\r\nActiveX component can't create object\r\nAddrell",
         false,
         false},
        {"Documents.Add", {}, fakeWord, true, false},
        {"Envelope.PrintOut", {}, fakeWord, true, true},
        {"Envelope.PrintOut", std::make_exception_ptr(std::bad_alloc()),
         "7\r\nOut of memory\r\nAddrell", true, true},
        {"Global.InchesToPoints", std::make_exception_ptr(std::runtime_error("disk on fire")),
         "5\r\ndisk on fire\r\nAddrell", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.report.toStdString());
        restart();
        EnvelopePrintJob freshJob{state, instance, factories, view, dialogs};
        log->failOn = QString::fromLatin1(c.failOn);
        log->thrown = c.thrown;
        dialogs.setNextAnswer(MessageResult::Yes);
        freshJob.cmdPrint_Click();

        const QStringList asked = c.wordKept ? QStringList{"Print Envelope?"} : QStringList{};
        EXPECT_EQ(dialogs.messageTexts(), asked + QStringList{c.report});
        EXPECT_EQ(dialogs.messages().back(), MessageBoxRequest{c.report});
        EXPECT_EQ(state.objWord != nullptr, c.wordKept);
        EXPECT_EQ(state.objDoc != nullptr, c.started);
        EXPECT_EQ(state.blnNoWord, !c.started);
    }
}

TEST_F(PrintingTest, ShutdownQuitsOnlyAStartedInstance)
{
    instance.Shutdown();
    dialogs.setNextAnswer(MessageResult::No);
    job.cmdPrint_Click();
    instance.Shutdown();
    EXPECT_EQ(log->calls, QStringList{"create Word.Application"});

    dialogs.setNextAnswer(MessageResult::Yes);
    job.cmdPrint_Click();
    log->calls.clear();
    instance.Shutdown();
    EXPECT_EQ(log->calls, QStringList{"Application.Quit(missing, missing, missing) document "
                                      "released: yes"});
    EXPECT_EQ(state.objDoc, nullptr);
    EXPECT_EQ(log->applicationsAlive, 0);

    // A word processor that fails to quit is not worth an error while the program ends.
    restart();
    dialogs.setNextAnswer(MessageResult::Yes);
    ASSERT_TRUE(instance.blnMSWord());
    log->failOn = QStringLiteral("Application.Quit");
    log->thrown = std::make_exception_ptr(std::runtime_error("gone"));
    instance.Shutdown();
    EXPECT_EQ(log->applicationsAlive, 0);
}

} // namespace
} // namespace addrell
