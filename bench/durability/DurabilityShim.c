/* A recorder of the file changes a program makes under some folders, loaded
 * with LD_PRELOAD. It appends one record per change to the file named by
 * DURABILITY_LOG: a header of tab-separated fields ending in the length of a
 * payload, a newline, then the payload (the bytes written, for a write).
 *
 *   open   pid fd path flags        a tracked path opened (flags in decimal)
 *   close  pid fd
 *   write  pid fd offset            payload: the bytes that reached the file
 *   trunc  pid fd size
 *   fsync  pid fd                   fsync or fdatasync
 *   sync   pid                      sync or syncfs
 *   rename pid old new
 *   link   pid fd new               an unnamed file (O_TMPFILE) given a name
 *   unlink pid path
 *   rmdir  pid path
 *   mkdir  pid path
 *   adopt  pid path                 a file moved in from elsewhere; payload: its bytes
 *
 * Tracked are the folders in DURABILITY_ROOTS (colon-separated), everything
 * below them and the parent folder of each (for the syncs made after a root is
 * created). Only calls that succeed are recorded. Copies the C library may make
 * in the kernel (copy_file_range, sendfile) are done here with reads and
 * recorded writes, so every byte that reaches a tracked file is in the log.
 */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <linux/fs.h>
#include <pthread.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/ioctl.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/uio.h>
#include <unistd.h>

#define MAX_ROOTS 8
#define MAX_FDS 65536

static pthread_mutex_t lock = PTHREAD_MUTEX_INITIALIZER;
static pthread_once_t once = PTHREAD_ONCE_INIT;
static int log_fd = -1;
static char roots[MAX_ROOTS][PATH_MAX];
static char parents[MAX_ROOTS][PATH_MAX];
static int root_count;
static unsigned char tracked[MAX_FDS];

static int (*real_open)(const char*, int, ...);
static int (*real_open64)(const char*, int, ...);
static int (*real_openat)(int, const char*, int, ...);
static int (*real_openat64)(int, const char*, int, ...);
static int (*real_creat)(const char*, mode_t);
static int (*real_close)(int);
static ssize_t (*real_write)(int, const void*, size_t);
static ssize_t (*real_pwrite)(int, const void*, size_t, off_t);
static ssize_t (*real_pwrite64)(int, const void*, size_t, off64_t);
static ssize_t (*real_writev)(int, const struct iovec*, int);
static int (*real_ftruncate)(int, off_t);
static int (*real_ftruncate64)(int, off64_t);
static int (*real_fsync)(int);
static int (*real_fdatasync)(int);
static void (*real_sync)(void);
static int (*real_syncfs)(int);
static int (*real_rename)(const char*, const char*);
static int (*real_renameat)(int, const char*, int, const char*);
static int (*real_renameat2)(int, const char*, int, const char*, unsigned int);
static int (*real_linkat)(int, const char*, int, const char*, int);
static int (*real_unlink)(const char*);
static int (*real_unlinkat)(int, const char*, int);
static int (*real_rmdir)(const char*);
static int (*real_remove)(const char*);
static int (*real_mkdir)(const char*, mode_t);
static int (*real_mkdirat)(int, const char*, mode_t);
static ssize_t (*real_copy_file_range)(int, off64_t*, int, off64_t*, size_t, unsigned int);
static ssize_t (*real_sendfile)(int, int, off_t*, size_t);
static int (*real_ioctl)(int, unsigned long, ...);

#define LOAD(name) real_##name = dlsym(RTLD_NEXT, #name)

static void setup(void)
{
    LOAD(open);
    LOAD(open64);
    LOAD(openat);
    LOAD(openat64);
    LOAD(creat);
    LOAD(close);
    LOAD(write);
    LOAD(pwrite);
    LOAD(pwrite64);
    LOAD(writev);
    LOAD(ftruncate);
    LOAD(ftruncate64);
    LOAD(fsync);
    LOAD(fdatasync);
    LOAD(sync);
    LOAD(syncfs);
    LOAD(rename);
    LOAD(renameat);
    LOAD(renameat2);
    LOAD(linkat);
    LOAD(unlink);
    LOAD(unlinkat);
    LOAD(rmdir);
    LOAD(remove);
    LOAD(mkdir);
    LOAD(mkdirat);
    LOAD(copy_file_range);
    LOAD(sendfile);
    LOAD(ioctl);

    const char* log_path = getenv("DURABILITY_LOG");
    const char* list = getenv("DURABILITY_ROOTS");
    if (!log_path || !list)
        return;
    char copy[PATH_MAX * MAX_ROOTS];
    snprintf(copy, sizeof copy, "%s", list);
    for (char *save = NULL, *item = strtok_r(copy, ":", &save); item && root_count < MAX_ROOTS;
         item = strtok_r(NULL, ":", &save)) {
        char* slash;
        if (!realpath(item, roots[root_count]))
            snprintf(roots[root_count], PATH_MAX, "%s", item);
        snprintf(parents[root_count], PATH_MAX, "%s", roots[root_count]);
        slash = strrchr(parents[root_count], '/');
        if (slash && slash != parents[root_count])
            *slash = 0;
        ++root_count;
    }
    log_fd = real_open(log_path, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
}

static void init(void)
{
    pthread_once(&once, setup);
}

static int under_roots(const char* path)
{
    for (int i = 0; i < root_count; ++i) {
        const size_t n = strlen(roots[i]);
        if (strcmp(path, parents[i]) == 0)
            return 1;
        if (strncmp(path, roots[i], n) == 0 && (path[n] == 0 || path[n] == '/'))
            return 1;
    }
    return 0;
}

/* The absolute path of a name given relative to a folder descriptor, with the
 * folder part resolved (the name itself may not exist yet). */
static void absolute(int dirfd, const char* name, char* out)
{
    char base[PATH_MAX], joined[PATH_MAX * 2], folder[PATH_MAX];
    if (name[0] == '/') {
        snprintf(joined, sizeof joined, "%s", name);
    } else {
        if (dirfd == AT_FDCWD) {
            if (!getcwd(base, sizeof base))
                base[0] = 0;
        } else {
            char link[64];
            snprintf(link, sizeof link, "/proc/self/fd/%d", dirfd);
            const ssize_t n = readlink(link, base, sizeof base - 1);
            base[n > 0 ? n : 0] = 0;
        }
        snprintf(joined, sizeof joined, "%s/%s", base, name);
    }
    char* slash = strrchr(joined, '/');
    if (slash && slash != joined && slash[1] != 0) {
        *slash = 0;
        if (realpath(joined, folder) && strlen(folder) + strlen(slash + 1) + 2 <= PATH_MAX) {
            strcpy(out, folder);
            strcat(out, "/");
            strcat(out, slash + 1);
            return;
        }
        *slash = '/';
    }
    if (!realpath(joined, out)) {
        strncpy(out, joined, PATH_MAX - 1);
        out[PATH_MAX - 1] = 0;
    }
}

/* One record, written with one append so that processes sharing the log do
 * not interleave theirs. */
static void record(const char* header, const void* payload, size_t length)
{
    if (log_fd < 0)
        return;
    char head[PATH_MAX * 3];
    const int n = snprintf(head, sizeof head, "%s\t%zu\n", header, length);
    struct iovec parts[2] = {{head, (size_t)n}, {(void*)payload, length}};
    pthread_mutex_lock(&lock);
    size_t total = (size_t)n + length, done = 0;
    char* buffer = malloc(total);
    if (buffer) {
        memcpy(buffer, head, (size_t)n);
        if (length)
            memcpy(buffer + n, payload, length);
        while (done < total) {
            const ssize_t w = real_write(log_fd, buffer + done, total - done);
            if (w <= 0)
                break;
            done += (size_t)w;
        }
        free(buffer);
    } else {
        real_writev(log_fd, parts, 2);
    }
    pthread_mutex_unlock(&lock);
}

static void note_open(int fd, int dirfd, const char* path, int flags)
{
    if (fd < 0 || fd >= MAX_FDS || log_fd < 0)
        return;
    char full[PATH_MAX], header[PATH_MAX + 128];
    absolute(dirfd, path, full);
    tracked[fd] = under_roots(full);
    if (!tracked[fd])
        return;
    snprintf(header, sizeof header, "open\t%d\t%d\t%s\t%d", getpid(), fd, full, flags);
    record(header, NULL, 0);
}

static void note_path(const char* op, int dirfd, const char* path)
{
    char full[PATH_MAX], header[PATH_MAX + 64];
    if (log_fd < 0)
        return;
    absolute(dirfd, path, full);
    if (!under_roots(full))
        return;
    snprintf(header, sizeof header, "%s\t%d\t%s", op, getpid(), full);
    record(header, NULL, 0);
}

static void note_fd(const char* op, int fd, long long value, int with_value)
{
    char header[128];
    if (fd < 0 || fd >= MAX_FDS || !tracked[fd])
        return;
    if (with_value)
        snprintf(header, sizeof header, "%s\t%d\t%d\t%lld", op, getpid(), fd, value);
    else
        snprintf(header, sizeof header, "%s\t%d\t%d", op, getpid(), fd);
    record(header, NULL, 0);
}

static void note_write(int fd, long long offset, const void* bytes, ssize_t length)
{
    char header[128];
    if (length <= 0 || fd < 0 || fd >= MAX_FDS || !tracked[fd])
        return;
    snprintf(header, sizeof header, "write\t%d\t%d\t%lld", getpid(), fd, offset);
    record(header, bytes, (size_t)length);
}

/* Where a write() on this descriptor lands: the end for O_APPEND. */
static long long write_offset(int fd)
{
    if (fd < 0 || fd >= MAX_FDS || !tracked[fd])
        return 0;
    if (fcntl(fd, F_GETFL) & O_APPEND) {
        struct stat st;
        return fstat(fd, &st) == 0 ? (long long)st.st_size : 0;
    }
    return (long long)lseek(fd, 0, SEEK_CUR);
}

static void note_rename(int olddir, const char* from, int newdir, const char* to)
{
    char a[PATH_MAX], b[PATH_MAX], header[PATH_MAX * 2 + 64];
    if (log_fd < 0)
        return;
    absolute(olddir, from, a);
    absolute(newdir, to, b);
    const int in_a = under_roots(a), in_b = under_roots(b);
    struct stat target;
    /* A socket put in place holds no data: nothing a cut could lose. */
    if ((!in_a && !in_b) || (lstat(b, &target) == 0 && S_ISSOCK(target.st_mode)))
        return;
    if (!in_a) {
        /* Moved in from an untracked place: its bytes are what arrives. */
        int fd = real_open(b, O_RDONLY | O_CLOEXEC);
        struct stat st;
        char* bytes = NULL;
        size_t n = 0;
        if (fd >= 0 && fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
            bytes = malloc((size_t)st.st_size + 1);
            while (bytes && n < (size_t)st.st_size) {
                const ssize_t r = read(fd, bytes + n, (size_t)st.st_size - n);
                if (r <= 0)
                    break;
                n += (size_t)r;
            }
        }
        if (fd >= 0)
            real_close(fd);
        snprintf(header, sizeof header, "adopt\t%d\t%s", getpid(), b);
        record(header, bytes, n);
        free(bytes);
        return;
    }
    snprintf(header, sizeof header, "rename\t%d\t%s\t%s", getpid(), a, in_b ? b : "-");
    record(header, NULL, 0);
}

static int mode_arg(int flags, va_list ap)
{
    return (flags & O_CREAT) || (flags & __O_TMPFILE) == __O_TMPFILE ? va_arg(ap, int) : 0;
}

int open(const char* path, int flags, ...)
{
    init();
    va_list ap;
    va_start(ap, flags);
    const int mode = mode_arg(flags, ap);
    va_end(ap);
    const int fd = real_open(path, flags, mode);
    note_open(fd, AT_FDCWD, path, flags);
    return fd;
}

int open64(const char* path, int flags, ...)
{
    init();
    va_list ap;
    va_start(ap, flags);
    const int mode = mode_arg(flags, ap);
    va_end(ap);
    const int fd = real_open64(path, flags, mode);
    note_open(fd, AT_FDCWD, path, flags);
    return fd;
}

int openat(int dirfd, const char* path, int flags, ...)
{
    init();
    va_list ap;
    va_start(ap, flags);
    const int mode = mode_arg(flags, ap);
    va_end(ap);
    const int fd = real_openat(dirfd, path, flags, mode);
    note_open(fd, dirfd, path, flags);
    return fd;
}

int openat64(int dirfd, const char* path, int flags, ...)
{
    init();
    va_list ap;
    va_start(ap, flags);
    const int mode = mode_arg(flags, ap);
    va_end(ap);
    const int fd = real_openat64(dirfd, path, flags, mode);
    note_open(fd, dirfd, path, flags);
    return fd;
}

int creat(const char* path, mode_t mode)
{
    init();
    const int fd = real_creat(path, mode);
    note_open(fd, AT_FDCWD, path, O_CREAT | O_WRONLY | O_TRUNC);
    return fd;
}

int close(int fd)
{
    init();
    if (fd == log_fd && log_fd >= 0) {
        errno = EBADF;
        return -1;
    }
    note_fd("close", fd, 0, 0);
    if (fd >= 0 && fd < MAX_FDS)
        tracked[fd] = 0;
    return real_close(fd);
}

ssize_t write(int fd, const void* bytes, size_t length)
{
    init();
    const long long offset = write_offset(fd);
    const ssize_t n = real_write(fd, bytes, length);
    note_write(fd, offset, bytes, n);
    return n;
}

ssize_t writev(int fd, const struct iovec* parts, int count)
{
    init();
    long long offset = write_offset(fd);
    const ssize_t n = real_writev(fd, parts, count);
    ssize_t left = n;
    for (int i = 0; i < count && left > 0; ++i) {
        const ssize_t part = (ssize_t)parts[i].iov_len < left ? (ssize_t)parts[i].iov_len : left;
        note_write(fd, offset, parts[i].iov_base, part);
        offset += part;
        left -= part;
    }
    return n;
}

ssize_t pwrite(int fd, const void* bytes, size_t length, off_t offset)
{
    init();
    const ssize_t n = real_pwrite(fd, bytes, length, offset);
    note_write(fd, offset, bytes, n);
    return n;
}

ssize_t pwrite64(int fd, const void* bytes, size_t length, off64_t offset)
{
    init();
    const ssize_t n = real_pwrite64(fd, bytes, length, offset);
    note_write(fd, offset, bytes, n);
    return n;
}

int ftruncate(int fd, off_t size)
{
    init();
    const int r = real_ftruncate(fd, size);
    if (r == 0)
        note_fd("trunc", fd, size, 1);
    return r;
}

int ftruncate64(int fd, off64_t size)
{
    init();
    const int r = real_ftruncate64(fd, size);
    if (r == 0)
        note_fd("trunc", fd, size, 1);
    return r;
}

int fsync(int fd)
{
    init();
    const int r = real_fsync(fd);
    if (r == 0)
        note_fd("fsync", fd, 0, 0);
    return r;
}

int fdatasync(int fd)
{
    init();
    const int r = real_fdatasync(fd);
    if (r == 0)
        note_fd("fsync", fd, 0, 0);
    return r;
}

static void note_sync(void)
{
    char header[64];
    snprintf(header, sizeof header, "sync\t%d", getpid());
    record(header, NULL, 0);
}

void sync(void)
{
    init();
    real_sync();
    note_sync();
}

int syncfs(int fd)
{
    init();
    const int r = real_syncfs(fd);
    if (r == 0)
        note_sync();
    return r;
}

int rename(const char* from, const char* to)
{
    init();
    const int r = real_rename(from, to);
    if (r == 0)
        note_rename(AT_FDCWD, from, AT_FDCWD, to);
    return r;
}

int renameat(int olddir, const char* from, int newdir, const char* to)
{
    init();
    const int r = real_renameat(olddir, from, newdir, to);
    if (r == 0)
        note_rename(olddir, from, newdir, to);
    return r;
}

int renameat2(int olddir, const char* from, int newdir, const char* to, unsigned int flags)
{
    init();
    const int r = real_renameat2(olddir, from, newdir, to, flags);
    if (r == 0)
        note_rename(olddir, from, newdir, to);
    return r;
}

int linkat(int olddir, const char* from, int newdir, const char* to, int flags)
{
    init();
    const int r = real_linkat(olddir, from, newdir, to, flags);
    if (r != 0 || log_fd < 0)
        return r;
    int fd = -1;
    char b[PATH_MAX], header[PATH_MAX + 64];
    if (sscanf(from, "/proc/self/fd/%d", &fd) == 1 || (from[0] == 0 && (flags & AT_EMPTY_PATH))) {
        if (from[0] == 0)
            fd = olddir;
        absolute(newdir, to, b);
        if (fd >= 0 && fd < MAX_FDS && tracked[fd] && under_roots(b)) {
            snprintf(header, sizeof header, "link\t%d\t%d\t%s", getpid(), fd, b);
            record(header, NULL, 0);
        }
    }
    return r;
}

int unlink(const char* path)
{
    init();
    char full[PATH_MAX];
    absolute(AT_FDCWD, path, full);
    const int r = real_unlink(path);
    if (r == 0)
        note_path("unlink", AT_FDCWD, full);
    return r;
}

int unlinkat(int dirfd, const char* path, int flags)
{
    init();
    char full[PATH_MAX];
    absolute(dirfd, path, full);
    const int r = real_unlinkat(dirfd, path, flags);
    if (r == 0)
        note_path(flags & AT_REMOVEDIR ? "rmdir" : "unlink", AT_FDCWD, full);
    return r;
}

int rmdir(const char* path)
{
    init();
    char full[PATH_MAX];
    absolute(AT_FDCWD, path, full);
    const int r = real_rmdir(path);
    if (r == 0)
        note_path("rmdir", AT_FDCWD, full);
    return r;
}

int remove(const char* path)
{
    init();
    struct stat st;
    const int folder = lstat(path, &st) == 0 && S_ISDIR(st.st_mode);
    char full[PATH_MAX];
    absolute(AT_FDCWD, path, full);
    const int r = real_remove(path);
    if (r == 0)
        note_path(folder ? "rmdir" : "unlink", AT_FDCWD, full);
    return r;
}

int mkdir(const char* path, mode_t mode)
{
    init();
    const int r = real_mkdir(path, mode);
    if (r == 0)
        note_path("mkdir", AT_FDCWD, path);
    return r;
}

int mkdirat(int dirfd, const char* path, mode_t mode)
{
    init();
    const int r = real_mkdirat(dirfd, path, mode);
    if (r == 0)
        note_path("mkdir", dirfd, path);
    return r;
}

/* Kernel-side copies into a tracked file are done as reads and recorded
 * writes; copies between untracked files go to the kernel as asked. */
static ssize_t copy_through(int in, off64_t* in_offset, int out, off64_t* out_offset, size_t length)
{
    char* buffer = malloc(length < (1 << 20) ? length : (1 << 20));
    const size_t chunk = length < (1 << 20) ? length : (1 << 20);
    if (!buffer) {
        errno = ENOMEM;
        return -1;
    }
    const ssize_t got = in_offset ? pread(in, buffer, chunk, *in_offset) : read(in, buffer, chunk);
    ssize_t put = got;
    if (got > 0) {
        put = out_offset ? pwrite(out, buffer, (size_t)got, *out_offset)
                         : write(out, buffer, (size_t)got);
        if (put > 0 && in_offset)
            *in_offset += put;
        if (put > 0 && out_offset)
            *out_offset += put;
        if (put > 0 && put < got && !in_offset)
            lseek(in, put - got, SEEK_CUR);
    }
    free(buffer);
    return put;
}

ssize_t copy_file_range(int in, off64_t* in_offset, int out, off64_t* out_offset, size_t length,
                        unsigned int flags)
{
    init();
    if (out < 0 || out >= MAX_FDS || !tracked[out])
        return real_copy_file_range(in, in_offset, out, out_offset, length, flags);
    return copy_through(in, in_offset, out, out_offset, length);
}

ssize_t sendfile(int out, int in, off_t* offset, size_t count)
{
    init();
    if (out < 0 || out >= MAX_FDS || !tracked[out])
        return real_sendfile(out, in, offset, count);
    off64_t at = offset ? *offset : 0;
    const ssize_t n = copy_through(in, offset ? &at : NULL, out, NULL, count);
    if (offset)
        *offset = (off_t)at;
    return n;
}

int ioctl(int fd, unsigned long request, ...)
{
    init();
    va_list ap;
    va_start(ap, request);
    void* argument = va_arg(ap, void*);
    va_end(ap);
    /* A shared-extent clone into a tracked file would bypass the log: the
     * caller then copies the bytes itself. */
    if ((request == FICLONE || request == FICLONERANGE) && fd >= 0 && fd < MAX_FDS && tracked[fd]) {
        errno = EOPNOTSUPP;
        return -1;
    }
    return real_ioctl(fd, request, argument);
}
