#pragma once

#include "automation/Variant.h"

#include <array>
#include <memory>

namespace addrell::word {

class Documents;
class Document;
class Envelope;
class Style;
class Font;

// Envelope.PrintOut takes every one of its 28 parameters, in the word processor's order.
inline constexpr std::size_t kPrintOutArgumentCount = 28;
using PrintOutArguments = std::array<Variant, kPrintOutArgumentCount>;

// The active printer that saves each envelope as a PDF where the user says, as a desktop's PDF
// printer does. No print queue can have this name: theirs hold no spaces.
inline const QString kSaveAsPdfPrinter = QStringLiteral("Save as PDF");

// The members of the word processor's object model that the program calls.
class Application {
public:
    virtual ~Application() = default;
    [[nodiscard]] virtual std::shared_ptr<word::Documents> Documents() = 0;
    [[nodiscard]] virtual std::shared_ptr<word::Document> ActiveDocument() = 0;
    virtual void Quit(const Variant& SaveChanges, const Variant& OriginalFormat,
                      const Variant& RouteDocument) = 0;

    // The printer envelopes go to. Beyond the word processor, setting an empty name goes back to
    // the desktop's default printer.
    [[nodiscard]] virtual QString ActivePrinter() = 0;
    virtual void ActivePrinter(const QString& value) = 0;

    // Beyond the word processor's object model, which has no such setting: everything printed
    // on every envelope moves this many points right and down (negative: left and up), for a
    // printer whose envelopes come out off true.
    virtual void SetPrinterShift(float Right, float Down) = 0;
};

class Documents {
public:
    virtual ~Documents() = default;
    virtual std::shared_ptr<word::Document> Add(const Variant& Template, const Variant& NewTemplate,
                                                const Variant& DocumentType,
                                                const Variant& Visible) = 0;
};

class Document {
public:
    virtual ~Document() = default;
    [[nodiscard]] virtual std::shared_ptr<word::Envelope> Envelope() = 0;
};

// Where a batch of envelopes went: a printer, or the PDF file it was saved as.
struct BatchDestination {
    bool savedAsFile = false;
    QString name;
};

class Envelope {
public:
    virtual ~Envelope() = default;
    virtual void PrintOut(const PrintOutArguments& arguments) = 0;

    // The document's styles for the two addresses, read by every later PrintOut.
    [[nodiscard]] virtual std::shared_ptr<word::Style> AddressStyle() = 0;
    [[nodiscard]] virtual std::shared_ptr<word::Style> ReturnAddressStyle() = 0;

    // Several envelopes in one job, a path a single envelope never takes: each envelope's
    // arguments are checked as PrintOut checks them and kept, then PrintBatch sends every kept
    // envelope as one job of one page each and forgets them.
    virtual void AddToBatch(const PrintOutArguments& arguments) = 0;
    [[nodiscard]] virtual BatchDestination PrintBatch() = 0;
};

class Style {
public:
    virtual ~Style() = default;
    [[nodiscard]] virtual std::shared_ptr<word::Font> Font() = 0;
};

// A style's character format; only the members the program sets.
class Font {
public:
    virtual ~Font() = default;
    [[nodiscard]] virtual QString Name() = 0;
    virtual void Name(const QString& value) = 0;
    [[nodiscard]] virtual float Size() = 0;
    virtual void Size(float value) = 0;
    [[nodiscard]] virtual bool Bold() = 0;
    virtual void Bold(bool value) = 0;
    [[nodiscard]] virtual bool Italic() = 0;
    virtual void Italic(bool value) = 0;
};

// The application-wide object whose conversions need no running instance.
class Global {
public:
    virtual ~Global() = default;
    [[nodiscard]] virtual Variant InchesToPoints(const Variant& Inches) = 0;
};

// Never assigned by the program; it only releases it.
class Selection {
public:
    virtual ~Selection() = default;
};

} // namespace addrell::word
