#include "cataloguechoice.h"

#include <brisca/brisca.h>

#include "commandregistry.h"

namespace cli {

bool applyCatalogueOption(QStringList* args)
{
    const int at = args->indexOf(QStringLiteral("--catalogue"));
    if (at < 0)
        return true;
    if (at + 1 >= args->size()) {
        fail(QStringLiteral("--catalogue needs a FILE"));
        return false;
    }
    SetCataloguePath(args->at(at + 1).toUtf8().constData());
    args->removeAt(at + 1);
    args->removeAt(at);
    return true;
}

}  // namespace cli
