// A static file server on 127.0.0.1 for the built page, with the types a browser needs for a
// module and a manifest; gzip on request, as static hosts do. Used by the tests and the
// benchmark: const { url, close } = await serve(folder, { gzip: true }). The folder may be a
// function, asked at each request, to switch the host to another build.
import { createServer } from 'node:http';
import { readFile, stat } from 'node:fs/promises';
import { extname, join, normalize } from 'node:path';
import { gzipSync } from 'node:zlib';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json',
  '.png': 'image/png',
  '.svg': 'image/svg+xml',
};

export async function serve(folder, { gzip = false, log = null } = {}) {
  const server = createServer(async (request, response) => {
    const root = typeof folder === 'function' ? folder() : folder;
    const pathname = decodeURIComponent(new URL(request.url, 'http://host').pathname);
    const file = normalize(join(root, pathname.endsWith('/') ? `${pathname}index.html` : pathname));
    try {
      if (!file.startsWith(normalize(root))) throw new Error('outside the folder');
      // Revalidated on every use, and answered with 304 when unchanged, as static hosts do.
      const { mtimeMs, size } = await stat(file);
      const etag = `"${size}-${Math.floor(mtimeMs)}"`;
      if (request.headers['if-none-match'] === etag) {
        log?.(pathname, 0);
        response.writeHead(304, { ETag: etag }).end();
        return;
      }
      let body = await readFile(file);
      const headers = { 'Content-Type': types[extname(file)] ?? 'application/octet-stream',
                        'Cache-Control': 'no-cache', ETag: etag };
      if (gzip && /\bgzip\b/.test(request.headers['accept-encoding'] ?? '') &&
          extname(file) !== '.png') {
        body = gzipSync(body, { level: 9 });
        headers['Content-Encoding'] = 'gzip';
      }
      headers['Content-Length'] = body.length;
      log?.(pathname, body.length);
      response.writeHead(200, headers).end(body);
    } catch {
      response.writeHead(404, { 'Content-Type': 'text/plain' }).end('not found');
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    close: () => new Promise((resolve) => { server.closeAllConnections(); server.close(resolve); }),
  };
}
