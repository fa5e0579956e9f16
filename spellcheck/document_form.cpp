#include "document_form.h"

#include "scan_text.h"

void DocumentFormOf(const char* replacement, const wchar_t* replaced, int32_t replacedLength, wchar_t* out,
                    int outSize)
{
    WideFromWordText(replacement, out, outSize);
    bool typographic = false;
    for (int32_t i = 0; i < replacedLength; i++)
        typographic = typographic || replaced[i] == TypographicApostrophe;
    for (int i = 0; typographic && out[i] != L'\0'; i++)
        if (out[i] == L'\'')
            out[i] = TypographicApostrophe;
}
