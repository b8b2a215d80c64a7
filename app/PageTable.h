#pragma once

#include <QString>
#include <array>
#include <functional>

class LedgerContext;
class QWidget;

// The nine content pages of the main view, in navigation order: index =
// navigation button = page number.
constexpr int kPageCount = 9;

// Makes the page widget of one index as a child of the view.
using PageFactory = std::function<QWidget*(QWidget* parent)>;
using PageFactories = std::array<PageFactory, kPageCount>;

// The caption of page i, as on its navigation button.
QString PageCaption(int index);

// The factories the program uses, making pages on the context. This is the one
// list to change when a page gets its real widget.
PageFactories DefaultPageFactories(LedgerContext& context);
