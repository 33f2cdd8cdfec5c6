#include "FakeWord.h"
#include "ScriptedDialogs.h"
#include "automation/ServerFactories.h"
#include "printing/EnvelopePrintJob.h"
#include "printing/PrintView.h"
#include "printing/WordInstance.h"
#include "printing/WordState.h"

#include <gtest/gtest.h>

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

    QStringList printOutArguments() const
    {
        QStringList described;
        for (const Variant& argument : log->lastPrintOut) {
            described << describe(argument);
        }
        return described;
    }

    std::shared_ptr<testing::WordLog> log = std::make_shared<testing::WordLog>();
    ServerFactories factories;
    testing::ScriptedDialogs dialogs;
    FixedPrintView view;
    WordState state;
    WordInstance instance{state, factories, dialogs};
    EnvelopePrintJob job{state, instance, factories, view, dialogs};
};

QStringList expectedArguments(const QString& address, const QString& returnAddress, bool center)
{
    QStringList arguments{"bool:False",
                          "str:" + address,
                          "missing",
                          "bool:False",
                          "str:" + returnAddress,
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
    while (arguments.size() < 28) {
        arguments << QStringLiteral("missing");
    }
    return arguments;
}

TEST_F(PrintingTest, FirstPrintHoldsTheWholeConversationForEitherFeed)
{
    for (const bool center : {false, true}) {
        SCOPED_TRACE(center ? "Print Center" : "Print Right");
        log = std::make_shared<testing::WordLog>();
        state = WordState{};
        dialogs.clear();
        view.center = center;
        dialogs.setNextAnswer(MessageResult::Yes);
        EnvelopePrintJob freshJob{state, instance, factories, view, dialogs};
        freshJob.cmdPrint_Click();

        EXPECT_EQ(log->calls,
                  (QStringList{"create Word.Application", "Application.Documents",
                               "Documents.Add(missing, missing, missing, missing)",
                               "Application.ActiveDocument", "Global.InchesToPoints(single:4.13)",
                               "Global.InchesToPoints(single:9.5)", "Document.Envelope",
                               "Envelope.PrintOut"}));
        EXPECT_EQ(printOutArguments(), expectedArguments(view.address, view.returnAddress, center));
        ASSERT_EQ(dialogs.messages().size(), 1U);
        const MessageBoxRequest& question = dialogs.messages()[0];
        EXPECT_EQ(question.text, QStringLiteral("Print Envelope?"));
        EXPECT_EQ(question.icon, MessageIcon::Question);
        EXPECT_EQ(question.buttons, MessageButtons::YesNo);
        EXPECT_EQ(question.defaultButton, MessageResult::No);
        EXPECT_EQ(question.title, QStringLiteral("Addrell"));
        EXPECT_FALSE(state.blnNoWord);
    }
}

TEST_F(PrintingTest, LaterPrintsAskNothingAndReuseTheGlobalObject)
{
    dialogs.setNextAnswer(MessageResult::Yes);
    job.cmdPrint_Click();
    log->calls.clear();
    view.address = QStringLiteral("Typed\r\nby hand");
    job.cmdPrint_Click();

    EXPECT_EQ(dialogs.messages().size(), 1U);
    EXPECT_EQ(log->calls, (QStringList{"Global.InchesToPoints(single:4.13)",
                                       "Global.InchesToPoints(single:9.5)", "Document.Envelope",
                                       "Envelope.PrintOut"}));
    EXPECT_EQ(describe(log->lastPrintOut[1]), QStringLiteral("str:Typed\r\nby hand"));
    EXPECT_EQ(log->applicationsCreated, 1);
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
    EXPECT_EQ(log->applicationsCreated, 2);
    EXPECT_EQ(log->calls.last(), QStringLiteral("Envelope.PrintOut"));
}

TEST_F(PrintingTest, FailuresGiveTheThreeLineReport)
{
    for (const char* member : {"Documents.Add", "Envelope.PrintOut"}) {
        SCOPED_TRACE(member);
        log->failOn = QString::fromLatin1(member);
        dialogs.clear();
        dialogs.setNextAnswer(MessageResult::Yes);
        job.cmdPrint_Click();
        ASSERT_FALSE(dialogs.messages().empty());
        const MessageBoxRequest& report = dialogs.messages().back();
        EXPECT_EQ(report.text, QStringLiteral("-2146823680\r\nThe printer is out of envelopes.\r\n"
                                              "Fake Word"));
        EXPECT_EQ(report.icon, MessageIcon::None);
        EXPECT_EQ(report.buttons, MessageButtons::Ok);
        EXPECT_EQ(report.title, QStringLiteral("Addrell"));
    }
    // The failed Add left the instance unstarted; the PrintOut failure came after a good start.
    EXPECT_FALSE(state.blnNoWord);

    factories.wordApplication = [] { return std::shared_ptr<word::Application>(); };
    state = WordState{};
    dialogs.clear();
    job.cmdPrint_Click();
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList{"429\r\nActiveX component can't create object\r\nAddrell"});
}

TEST_F(PrintingTest, ShutdownQuitsOnlyAStartedInstance)
{
    instance.Shutdown();
    EXPECT_TRUE(log->calls.isEmpty());

    dialogs.setNextAnswer(MessageResult::No);
    job.cmdPrint_Click();
    log->calls.clear();
    instance.Shutdown();
    EXPECT_TRUE(log->calls.isEmpty());

    dialogs.setNextAnswer(MessageResult::Yes);
    job.cmdPrint_Click();
    log->calls.clear();
    instance.Shutdown();
    EXPECT_EQ(log->calls, QStringList{"Application.Quit(missing, missing, missing) document "
                                      "released: yes"});
    EXPECT_EQ(state.objWord, nullptr);
    EXPECT_EQ(state.objDoc, nullptr);
    EXPECT_EQ(log->applicationsAlive, 0);

    // A word processor that fails to quit is not worth an error while the program ends.
    dialogs.setNextAnswer(MessageResult::Yes);
    WordState second;
    WordInstance another{second, factories, dialogs};
    ASSERT_TRUE(another.blnMSWord());
    log->failOn = QStringLiteral("Application.Quit");
    another.Shutdown();
    EXPECT_EQ(second.objWord, nullptr);
    EXPECT_EQ(log->applicationsAlive, 0);
}

} // namespace
} // namespace addrell
