#pragma once

#include "automation/word/WordApplication.h"

#include <QPointF>

#include <memory>
#include <vector>

namespace addrell {

struct EnvelopePrinterBackend;

// The word processor's application object, with the documents collection it owns. After Quit,
// every member fails as a server that has gone away does.
class EnvelopePrinterApplication : public word::Application,
                                   public word::Documents,
                                   public std::enable_shared_from_this<EnvelopePrinterApplication> {
public:
    // Errors of a server that has quit, or has no document open.
    static constexpr std::int32_t kServerGone = static_cast<std::int32_t>(0x800706BAu);
    static constexpr std::int32_t kNoDocument = 4248;

    [[nodiscard]] static std::shared_ptr<EnvelopePrinterApplication>
    create(EnvelopePrinterBackend backend);

    [[nodiscard]] std::shared_ptr<word::Documents> Documents() override;
    [[nodiscard]] std::shared_ptr<word::Document> ActiveDocument() override;
    void Quit(const Variant& SaveChanges, const Variant& OriginalFormat,
              const Variant& RouteDocument) override;
    std::shared_ptr<word::Document> Add(const Variant& Template, const Variant& NewTemplate,
                                        const Variant& DocumentType,
                                        const Variant& Visible) override;

    // The printer's name, word::kSaveAsPdfPrinter, or with neither chosen the print server's
    // default printer (empty with none).
    [[nodiscard]] QString ActivePrinter() override;
    // A printer the print server does not know is refused (PrinterNotFound).
    void ActivePrinter(const QString& value) override;
    // A shift that is no number is refused (error 5).
    void SetPrinterShift(float Right, float Down) override;

private:
    explicit EnvelopePrinterApplication(std::shared_ptr<EnvelopePrinterBackend> backend);
    void requireRunning() const;

    std::shared_ptr<EnvelopePrinterBackend> m_backend;
    std::shared_ptr<QPointF> m_printerShift; // points right and down, for every envelope
    std::vector<std::shared_ptr<word::Document>> m_documents;
    bool m_quit = false;
};

} // namespace addrell
