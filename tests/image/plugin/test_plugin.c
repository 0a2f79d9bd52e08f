/* kova_test.spi: an image plug-in for the host's plug-in loader tests. It decodes
   KVP1 pictures (see kvp1.c), and a picture's mode byte makes it fault, fail or hand
   back bitmaps the host must refuse. */
#include <windows.h>

#include "kvp1.h"

/* Null, but the compiler cannot know it: the writes below are real access violations. */
static int* volatile nowhere;

static void fault(void) { *nowhere = 1; }

int WINAPI GetPluginInfo(int infono, LPSTR buf, int buflen) {
    static const char* const info[] = {"00IN", "KOVA test plug-in", "*.kvp", "KOVA test pictures"};
    if (infono < 0 || infono >= (int)(sizeof info / sizeof info[0]) || !buf || buflen <= 0) return 0;
    int n = 0;
    for (const char* s = info[infono]; s[n] && n < buflen - 1; n++) buf[n] = s[n];
    buf[n] = 0;
    return n;
}

/* dw: the first 2048 bytes of the file, zero-padded. */
int WINAPI IsSupported(LPCSTR filename, void* dw) {
    (void)filename;
    const uint8_t* head = dw;
    if (!head || !kvp1_signed(head)) return 0;
    if (head[9] == KVP1_FAULT_IN_IS_SUPPORTED) fault();
    return 1;
}

/* A moveable block of size bytes filled by write, or NULL. */
static HLOCAL filled(const struct kvp1_picture* picture, size_t size,
                     void (*write)(const struct kvp1_picture*, uint8_t*)) {
    HLOCAL block = LocalAlloc(LMEM_MOVEABLE, size);
    if (!block) return NULL;
    uint8_t* bytes = LocalLock(block);
    if (!bytes) {
        LocalFree(block);
        return NULL;
    }
    write(picture, bytes);
    LocalUnlock(block);
    return block;
}

int WINAPI GetPicture(LPCSTR buf, LONG_PTR len, unsigned int flag, HANDLE* pHBInfo, HANDLE* pHBm,
                      FARPROC progress, LONG_PTR lData) {
    (void)progress;
    (void)lData;
    if (!pHBInfo || !pHBm) return KVP1_BAD_CALL;
    *pHBInfo = *pHBm = NULL;
    if (!(flag & 1) || !buf || len < 0) return KVP1_BAD_CALL;
    struct kvp1_picture picture;
    const int status = kvp1_parse((const uint8_t*)buf, (size_t)len, &picture);
    if (status != KVP1_OK) return status;
    if (picture.mode == KVP1_FAULT_IN_GET_PICTURE) fault();
    if (picture.mode == KVP1_REFUSE) return KVP1_REFUSED;
    HLOCAL info = filled(&picture, picture.info_bytes, kvp1_write_info);
    HLOCAL bits = info ? filled(&picture, picture.bits_bytes, kvp1_write_bits) : NULL;
    if (!bits) {
        if (info) LocalFree(info);
        return KVP1_NO_MEMORY;
    }
    *pHBInfo = info;
    *pHBm = bits;
    return KVP1_OK;
}
