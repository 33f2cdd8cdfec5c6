#pragma once

#include <memory>

namespace addrell {

namespace word {
class Application;
class Document;
class Selection;
} // namespace word

// The window's fields that hold the word processor instance.
struct WordState {
    std::shared_ptr<word::Application> objWord;
    std::shared_ptr<word::Document> objDoc;
    std::shared_ptr<word::Selection> objWordSel;
    bool blnNoWord = true; // until an instance has been started and given a document
};

} // namespace addrell
