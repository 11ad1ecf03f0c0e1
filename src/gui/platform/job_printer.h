#pragma once
// A printer of its own for each print job, set up as the printer dialog chose. A printer
// whose job failed stays failed: once a job to a file was cut short, every later job on
// the same printer writes nothing at all. Jobs never share one.
#include <QPrinter>
#include <memory>

std::unique_ptr<QPrinter> job_printer(const QPrinter& chosen);
