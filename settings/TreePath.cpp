#include "settings/TreePath.h"

namespace {

int findSeparator(const QString& title)
{
    for (int pos = title.indexOf(QLatin1String("::")); pos >= 0;
         pos = title.indexOf(QLatin1String("::"), pos + 1)) {
        int backslashes = 0;
        for (int i = pos - 1; i >= 0 && title[i] == QLatin1Char('\\'); --i)
            ++backslashes;
        if (backslashes % 2 == 0)
            return pos;
    }
    return -1;
}

// One pass, so an escaped backslash is never read again as an escape.
QString unescape(const QString& name)
{
    QString out;
    out.reserve(name.size());
    for (int i = 0; i < name.size(); ++i) {
        if (name[i] == QLatin1Char('\\') && i + 1 < name.size()) {
            if (name[i + 1] == QLatin1Char('\\')) {
                out += QLatin1Char('\\');
                ++i;
                continue;
            }
            if (name.mid(i + 1, 2) == QLatin1String("::")) {
                out += QLatin1String("::");
                i += 2;
                continue;
            }
        }
        out += name[i];
    }
    return out;
}

} // namespace

TreePathStep SplitTreePath(const QString& title)
{
    TreePathStep step;
    const int pos = findSeparator(title);
    if (pos < 0) {
        step.node = title;
    } else {
        step.node = title.left(pos);
        step.rest = title.mid(pos + 2);
        step.hasRest = true;
    }
    step.node = unescape(step.node);
    return step;
}
