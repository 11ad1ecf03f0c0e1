#include "platform/job_printer.h"

#include <QPrintEngine>

namespace {

// What a printer's own properties dialog sets (trays, finishing, job options), which
// QPrinter has no function for.
const auto kPrinterOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

}  // namespace

std::unique_ptr<QPrinter> job_printer(const QPrinter& chosen) {
    auto job = std::make_unique<QPrinter>(QPrinter::HighResolution);
    job->setOutputFormat(chosen.outputFormat());
    if (chosen.outputFormat() == QPrinter::NativeFormat) job->setPrinterName(chosen.printerName());
    else job->setOutputFileName(chosen.outputFileName());
    job->setResolution(chosen.resolution());
    job->setPageLayout(chosen.pageLayout());
    job->setFullPage(chosen.fullPage());
    job->setCopyCount(chosen.copyCount());
    job->setCollateCopies(chosen.collateCopies());
    job->setColorMode(chosen.colorMode());
    job->setDuplex(chosen.duplex());
    job->setPageOrder(chosen.pageOrder());
    job->setPaperSource(chosen.paperSource());
    job->setPrintRange(chosen.printRange());
    job->setPageRanges(chosen.pageRanges());
    job->setPdfVersion(chosen.pdfVersion());
    job->setFontEmbeddingEnabled(chosen.fontEmbeddingEnabled());
    job->setCreator(chosen.creator());
    job->setDocName(chosen.docName());
    const QVariant options = chosen.printEngine()->property(kPrinterOptions);
    if (options.isValid()) job->printEngine()->setProperty(kPrinterOptions, options);
    return job;
}
