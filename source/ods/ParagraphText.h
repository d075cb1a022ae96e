#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quillmere::source::ods {

// Appends a cell's paragraphs to a text the way OpenDocument lays out their white space:
// a run of spaces, tabs and line ends written literally is one space, none is kept at the start
// of a paragraph, and the spaces, tabs and line breaks written as elements are kept as they are.
class ParagraphText {
 public:
  // Starts a cell's text at the end of `out`.
  void beginCell() { paragraphs_ = 0; }
  // A new paragraph, on a line of its own after the cell's earlier ones.
  void beginParagraph(std::string& out) {
    if (paragraphs_++ > 0) out += '\n';
    afterSpace_ = true;
  }
  // Characters written literally in the paragraph.
  void appendText(std::string& out, std::string_view data) {
    if (data.empty()) return;
    // Text with single spaces between words, nearly all, is kept as it is.
    if (!collapses(data)) {
      out.append(data);
      afterSpace_ = data.back() == ' ';
      return;
    }
    const char* p = data.data();
    const char* const end = p + data.size();
    while (p != end) {
      const char* run = p;
      while (p != end && !isSpace(*p))
        ++p;
      if (p != run) {
        out.append(run, static_cast<std::size_t>(p - run));
        afterSpace_ = false;
      }
      if (p == end) break;
      while (p != end && isSpace(*p))
        ++p;
      if (!afterSpace_) out += ' ';
      afterSpace_ = true;
    }
  }
  // Characters written as elements (text:s, text:tab, text:line-break): kept, and literal white
  // space after them counts again.
  void appendKept(std::string& out, char c, std::size_t count) {
    out.append(count, c);
    afterSpace_ = false;
  }

 private:
  static bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
  // Whether appending `data` as written would keep white space that collapses: a tab or line
  // end, a space after another, or a space at the start of the paragraph.
  bool collapses(std::string_view data) const {
    bool space = afterSpace_;
    for (const char c : data) {
      // One test for most bytes: every white-space byte is at most a space.
      if (static_cast<unsigned char>(c) > ' ') {
        space = false;
      } else if (c != ' ' || space) {
        return true;
      } else {
        space = true;
      }
    }
    return false;
  }

  std::size_t paragraphs_ = 0;
  bool afterSpace_ = true;
};

}  // namespace quillmere::source::ods
