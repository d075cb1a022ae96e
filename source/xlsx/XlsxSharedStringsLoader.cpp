#include "source/xlsx/XlsxSharedStringsLoader.h"

#include <exception>
#include <memory>
#include <stdexcept>

#include "source/HandOff.h"
#include "source/xlsx/XmlStream.h"

namespace quillmere::source::xlsx {

namespace {

// Thrown into the loading thread's parse to end it early; never leaves the thread.
struct Stopped {};

// Reads the part until the loader is told to stop.
class StoppablePart : public PartSource {
 public:
  StoppablePart(std::unique_ptr<PartSource> inner, std::stop_token stop)
      : inner_(std::move(inner)), stop_(std::move(stop)) {}

  std::size_t read(char* buffer, std::size_t capacity) override {
    if (stop_.stop_requested()) throw Stopped{};
    return inner_->read(buffer, capacity);
  }

 private:
  std::unique_ptr<PartSource> inner_;
  std::stop_token stop_;
};

}  // namespace

XlsxSharedStringsLoader::XlsxSharedStringsLoader(XlsxSharedStrings& strings,
                                                 std::filesystem::path file, ZipPartOpener part)
    : strings_(strings), file_(std::move(file)), part_(std::move(part)) {
  strings_.reserveFor(part_.size());
  strings_.beginLoading();
  if (!startThread(thread_, [this](const std::stop_token& stop) { load(stop); })) load({});
}

void XlsxSharedStringsLoader::load(const std::stop_token& stop) {
  std::exception_ptr failure;
  try {
    XmlStream stream(file_, part_.partName(), strings_);
    stream.reset([this, stop] { return std::make_unique<StoppablePart>(part_(), stop); });
    stream.parseAll();
  } catch (const Stopped&) {
    failure = std::make_exception_ptr(std::runtime_error("the workbook was closed"));
  } catch (...) {
    failure = std::current_exception();
  }
  strings_.endLoading(failure);
}

}  // namespace quillmere::source::xlsx
