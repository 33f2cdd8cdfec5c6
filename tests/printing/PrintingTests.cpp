#include "FakeWord.h"
#include "ScriptedDialogs.h"
#include "automation/ServerFactories.h"
#include "envelopes/EnvelopeSizes.h"
#include "printing/EnvelopePrintJob.h"
#include "printing/PrintView.h"
#include "printing/SelectionView.h"
#include "printing/WordInstance.h"
#include "printing/WordState.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

namespace addrell {
namespace {

struct FixedPrintView : PrintView {
    [[nodiscard]] bool printCenterSelected() const override { return center; }
    [[nodiscard]] QString addressText() const override { return address; }
    [[nodiscard]] QString returnText() const override { return returnAddress; }
    bool center = false;
    QString address = QStringLiteral("Jo Recipient\r\n5 Elm St\r\nTown, ST  00001");
    QString returnAddress = QStringLiteral("Pat Example\r\nPO Box 0\r\n\r\n");
};

// Name and address rows (row 0 the header), some of them selected; it records what the status
// line and the progress bar show.
struct TableSelection : SelectionView {
    [[nodiscard]] std::vector<std::int32_t> selectedRows() const override { return selected; }
    [[nodiscard]] QString recipient(std::int32_t row) const override
    {
        return rows.at(row).join(QStringLiteral("\r\n"));
    }
    [[nodiscard]] bool hasAddress(std::int32_t row) const override
    {
        return rows.at(row).size() > 1;
    }
    [[nodiscard]] QString status() const override { return shown.last(); }
    void setStatus(const QString& text) override { shown << text; }
    void setProgress(int done, int total) override
    {
        shown << QStringLiteral("%1/%2").arg(done).arg(total);
    }

    QList<QStringList> rows{{},
                            {"Ann Oak", "1 Oak St", "Oaktown"},
                            {"Bob Bare"},
                            {"Cy Elm", "3 Elm St"},
                            {"Di Nowhere"}};
    std::vector<std::int32_t> selected;
    QStringList shown{QStringLiteral("Contacts loaded")};
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

    void restart() // nothing created, nothing asked
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
    TableSelection selection;
    EnvelopePrintJob job{state, instance, factories, view, selection, dialogs};
};

TEST_F(PrintingTest, FirstPrintAsksAndLaterPrintsOnlyPrintForEitherFeed)
{
    const QStringList print{"Global.InchesToPoints(single:4.13)",
                            "Global.InchesToPoints(single:9.5)", "Document.Envelope",
                            "Envelope.PrintOut"};
    for (const bool center : {false, true}) {
        SCOPED_TRACE(center ? "Print Center" : "Print Right");
        restart();
        EnvelopePrintJob freshJob{state, instance, factories, view, selection, dialogs};
        view.center = center;
        dialogs.setNextAnswer(MessageResult::Yes);
        freshJob.cmdPrint_Click();
        view.address = QStringLiteral("Typed\r\nby hand"); // read afresh at each print
        freshJob.cmdPrint_Click(); // the instance and its Global object are kept

        EXPECT_EQ(log->calls, QStringList({"create Word.Application", "Application.Documents",
                                           "Documents.Add(missing, missing, missing, missing)",
                                           "Application.ActiveDocument", "create Word.Global"}) +
                                  print + print);
        QStringList arguments;
        for (const Variant& argument : log->lastPrintOut) {
            arguments << testing::describe(argument);
        }
        // In Word's order; the ten trailing arguments are left out as well.
        QStringList expected =
            QStringLiteral("bool:False|str:%1|missing|bool:False|str:%2|missing|bool:False|"
                           "bool:False|missing|single:297.36|single:684|missing|i32:0|i32:0|"
                           "i32:0|i32:0|%3")
                .arg(view.address, view.returnAddress,
                     center ? "bool:True|i32:4" : "bool:False|i32:6")
                .split(u'|');
        expected.resize(28, QStringLiteral("missing"));
        EXPECT_EQ(arguments, expected);
        const MessageBoxRequest question{QStringLiteral("Print Envelope?"), MessageIcon::Question,
                                         MessageButtons::YesNo, MessageResult::No};
        EXPECT_EQ(dialogs.messages(), std::vector{question});
    }
}

// The arguments from Height to ReturnAddressFromTop, as the fake logs them.
QStringList sizeAndPlaces(const word::PrintOutArguments& arguments)
{
    QStringList described;
    for (std::size_t position = 9; position <= 15; ++position) {
        described << testing::describe(arguments.at(position));
    }
    return described;
}

TEST_F(PrintingTest, OptionsGoAsTheObjectModelTakesThemAndOnlyWhenTheyChange)
{
    EnvelopeOptions options;
    options.setSize(*EnvelopeSizes::byKey(QStringLiteral("dl")));
    options.setPrinter(QStringLiteral("EnvPDF2"));
    options.setDeliveryFont(AddressFont(QStringLiteral("Liberation Sans"), 14, true));
    options.setDeliveryPosition(QPointF(250.5, 0)); // 0 from the top: automatic there
    options.setReturnPosition(QPointF(30, 20));
    options.setPrinterShift(QPointF(3, -1.5));
    job.setOptions(options);
    dialogs.setNextAnswer(MessageResult::Yes);
    job.cmdPrint_Click();
    const QStringList dl{"Global.InchesToPoints(single:4.330709)",
                         "Global.InchesToPoints(single:8.661417)", "Document.Envelope"};
    EXPECT_EQ(log->calls.mid(5),
              dl + QStringList(
                       {"Application.ActivePrinter = EnvPDF2",
                        "Application.SetPrinterShift(single:3, single:-1.5)",
                        "Envelope.AddressStyle", "AddressStyle.Font.Name = str:Liberation Sans",
                        "AddressStyle.Font.Size = single:14", "AddressStyle.Font.Bold = bool:True",
                        "AddressStyle.Font.Italic = bool:False", "Envelope.PrintOut"}));
    const QStringList dlPlaces{"single:311.811", "single:623.622", "missing",  "single:250.5",
                               "single:0",       "single:30",      "single:20"};
    EXPECT_EQ(sizeAndPlaces(log->lastPrintOut), dlPlaces);

    // The instance keeps what it was sent; a failed send is sent again in full.
    log->calls.clear();
    job.cmdPrint_Click();
    EXPECT_EQ(log->calls, dl + QStringList("Envelope.PrintOut"));
    log->calls.clear();
    options.setPrinterShift(QPointF(4, -1.5));
    job.setOptions(options);
    log->failOn = QStringLiteral("Application.SetPrinterShift");
    job.cmdPrint_Click();
    log->failOn.clear();
    job.cmdPrint_Click();
    EXPECT_EQ(log->calls.filter("Application.").size(), 3);
    EXPECT_EQ(log->calls.filter("Envelope.ReturnAddressStyle").size(), 1);

    // Back at the defaults, the instance is told so; the arguments are the ones of old.
    log->calls.clear();
    job.setOptions(EnvelopeOptions());
    job.cmdPrint_Click();
    EXPECT_EQ(
        log->calls.mid(3, 7),
        QStringList(
            {"Application.ActivePrinter = ", "Application.SetPrinterShift(single:0, single:0)",
             "Envelope.AddressStyle", "AddressStyle.Font.Name = str:Times New Roman",
             "AddressStyle.Font.Size = single:12", "AddressStyle.Font.Bold = bool:False",
             "AddressStyle.Font.Italic = bool:False"}));
    EXPECT_EQ(sizeAndPlaces(log->lastPrintOut),
              QStringList(
                  {"single:297.36", "single:684", "missing", "i32:0", "i32:0", "i32:0", "i32:0"}));

    // A new instance is sent the options before the first envelope of a batch.
    restart();
    job.setOptions(options);
    selection.selected = {1, 3};
    dialogs.setNextAnswer(MessageResult::Yes);
    dialogs.setNextAnswer(MessageResult::Yes);
    job.cmdPrint_Click();
    const auto first = log->calls.indexOf("Envelope.AddToBatch");
    const auto sent = log->calls.indexOf("Application.ActivePrinter = EnvPDF2");
    EXPECT_TRUE(sent >= 0 && sent < first) << sent << " " << first;
    ASSERT_EQ(log->batch.size(), 2U);
    EXPECT_EQ(sizeAndPlaces(log->batch[1]), dlPlaces);
}

TEST_F(PrintingTest, DecliningPrintsNothingAndTheNextPrintAsksAgain)
{
    dialogs.setNextAnswer(MessageResult::No);
    job.cmdPrint_Click();
    EXPECT_EQ(dialogs.messages().back(),
              (MessageBoxRequest{"MSWord did not get opened", MessageIcon::Information}));
    EXPECT_EQ(log->calls, QStringList{"create Word.Application"});
    EXPECT_EQ(log->applicationsAlive, 0); // released, without being told to quit
    EXPECT_TRUE(state.blnNoWord);

    dialogs.setNextAnswer(MessageResult::Yes);
    job.cmdPrint_Click();
    EXPECT_EQ(dialogs.messageTexts().size(), 3);
    EXPECT_EQ(log->calls.last(), QStringLiteral("Envelope.PrintOut"));
}

TEST_F(PrintingTest, EveryFailureGivesTheThreeLineReportAndLeavesWordAsItStood)
{
    const char* fakeWord = "-2146823680\r\nThe printer is out of envelopes.\r\nFake Word";
    const char* cannotCreate = "429\r\nActiveX component can't create object\r\nAddrell";
    const struct {
        const char* failOn;
        std::exception_ptr thrown; // the word processor's own error when empty
        const char* report;
        bool wordKept; // objWord holds the instance, the question was asked
        bool started;  // blnNoWord False, objDoc set
    } cases[] = {
        {"create Word.Application", {}, cannotCreate, false, false},
        {"Documents.Add", {}, fakeWord, true, false},
        {"Application.ActiveDocument", {}, fakeWord, true, false},
        {"Envelope.PrintOut", std::make_exception_ptr(std::bad_alloc()),
         "7\r\nOut of memory\r\nAddrell", true, true},
        {"Global.InchesToPoints", std::make_exception_ptr(std::runtime_error("disk on fire")),
         "5\r\ndisk on fire\r\nAddrell", true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.report);
        restart();
        EnvelopePrintJob freshJob{state, instance, factories, view, selection, dialogs};
        log->failOn = QString::fromLatin1(c.failOn);
        log->thrown = c.thrown;
        dialogs.setNextAnswer(MessageResult::Yes);
        freshJob.cmdPrint_Click();

        EXPECT_EQ(dialogs.messages().back(), MessageBoxRequest{c.report});
        EXPECT_EQ(dialogs.messages().size(), c.wordKept ? 2U : 1U);
        EXPECT_EQ(state.objWord != nullptr, c.wordKept);
        EXPECT_EQ(state.objDoc != nullptr, c.started);
        EXPECT_EQ(state.blnNoWord, !c.started);
    }
}

TEST_F(PrintingTest, SelectedRowsPrintAsOneBatchAfterTheQuestions)
{
    const struct {
        std::vector<std::int32_t> selected;
        std::vector<MessageResult> answers; // after "Print Envelope?"
        QStringList recipients;             // of the batch, in order
        QString status;                     // the last line shown
    } cases[] = {
        {{1, 2, 3, 4},
         {MessageResult::Yes, MessageResult::No},
         {"Ann Oak", "Cy Elm"},
         "2 envelopes sent to EnvPDF"},
        {{2, 3, 4},
         {MessageResult::Yes, MessageResult::Yes},
         {"Bob Bare", "Cy Elm", "Di Nowhere"},
         "3 envelopes sent to EnvPDF"},
        {{1, 3}, {MessageResult::No}, {}, "Contacts loaded"},
        {{1, 3}, {MessageResult::Yes}, {"Ann Oak", "Cy Elm"}, "2 envelopes saved to /tmp/e.pdf"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.status.toStdString());
        restart();
        selection.selected = c.selected;
        selection.shown = QStringList{QStringLiteral("Contacts loaded")};
        if (c.status.contains(u'/')) {
            log->destination = {true, QStringLiteral("/tmp/e.pdf")};
        }
        dialogs.setNextAnswer(MessageResult::Yes);
        for (const MessageResult answer : c.answers) {
            dialogs.setNextAnswer(answer);
        }
        job.cmdPrint_Click();

        QStringList questions{QStringLiteral("Print %1 envelopes?").arg(c.selected.size())};
        if (c.answers.size() > 1) {
            questions
                << "2 of the selected contacts have no address. Print their envelopes anyway?";
        }
        for (std::size_t asked = 1; asked < dialogs.messages().size(); ++asked) {
            EXPECT_EQ(dialogs.messages()[asked],
                      (MessageBoxRequest{questions.value(static_cast<int>(asked) - 1),
                                         MessageIcon::Question, MessageButtons::YesNo,
                                         MessageResult::No}));
        }
        EXPECT_EQ(dialogs.messages().size(), questions.size() + 1);
        QStringList recipients;
        for (const word::PrintOutArguments& arguments : log->batch) {
            recipients << arguments[1].toString().section(QStringLiteral("\r\n"), 0, 0);
            EXPECT_EQ(arguments[4].toString(), view.returnAddress);
        }
        EXPECT_EQ(recipients, c.recipients);
        EXPECT_EQ(log->calls.filter("PrintBatch").size(), c.recipients.isEmpty() ? 0 : 1);
        EXPECT_EQ(selection.shown.last(), c.status);
        EXPECT_FALSE(log->calls.contains("Envelope.PrintOut"));
    }
    // Progress counts the pages.
    EXPECT_EQ(selection.shown.mid(1),
              QStringList({"0/2", "Printing envelope 1 of 2", "1/2", "Printing envelope 2 of 2",
                           "2/2", "0/-1", "2 envelopes saved to /tmp/e.pdf"}));
}

TEST_F(PrintingTest, ABatchFailureIsReportedOnceAndLeavesTheWindowAsItWas)
{
    selection.selected = {1, 3};
    log->failOn = QStringLiteral("Envelope.PrintBatch");
    dialogs.setNextAnswer(MessageResult::Yes);
    dialogs.setNextAnswer(MessageResult::Yes);
    job.cmdPrint_Click();
    EXPECT_EQ(dialogs.messageTexts().mid(2),
              QStringList{"-2146823680\r\nThe printer is out of envelopes.\r\nFake Word"});
    EXPECT_EQ(log->calls.filter("Envelope.").size(), 3);
    EXPECT_EQ(selection.shown.mid(selection.shown.size() - 2),
              QStringList({"0/-1", "Contacts loaded"}));
}

TEST_F(PrintingTest, ShutdownQuitsOnlyAStartedInstanceAndIgnoresItsFailure)
{
    instance.Shutdown();
    dialogs.setNextAnswer(MessageResult::No);
    job.cmdPrint_Click();
    instance.Shutdown();
    EXPECT_EQ(log->calls, QStringList{"create Word.Application"});

    for (const char* failOn : {"", "Application.Quit"}) {
        restart();
        dialogs.setNextAnswer(MessageResult::Yes);
        job.cmdPrint_Click();
        log->calls.clear();
        log->failOn = QString::fromLatin1(failOn);
        instance.Shutdown();
        EXPECT_EQ(log->calls, QStringList{"Application.Quit(missing, missing, missing) document "
                                          "released: yes"});
        EXPECT_EQ(state.objDoc, nullptr);
        EXPECT_EQ(log->applicationsAlive, 0);
    }
}

} // namespace
} // namespace addrell
