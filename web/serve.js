#!/usr/bin/env node
// Serves the page (build-web/page) on 127.0.0.1 for make play-web and the
// browser tests, gzip-compressed as a web server would send it.
//
// usage: serve.js DIR [PORT]   (PORT 0 takes any free one; the default 8080)
'use strict';
const fs = require('fs');
const http = require('http');
const path = require('path');
const zlib = require('zlib');

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.png': 'image/png',
  '.txt': 'text/plain; charset=utf-8',
};

// Resolves to the listening server; its address is server.address().
function serve(dir, port) {
  const root = path.resolve(dir);
  const packed = new Map();  // file -> {mtime, gzip}
  const server = http.createServer((request, response) => {
    if (request.method !== 'GET' && request.method !== 'HEAD') {
      response.writeHead(405, {'Allow': 'GET, HEAD'}).end();
      return;
    }
    // A malformed escape in the address is the asker's fault, not a reason to stop serving.
    let pathname;
    try {
      pathname = decodeURIComponent(new URL(request.url, 'http://127.0.0.1').pathname);
    } catch {
      response.writeHead(400).end();
      return;
    }
    const file = path.join(root, path.normalize(pathname).replace(/^(\.\.[/\\])+/, ''));
    const name = file.endsWith(path.sep) ? path.join(file, 'index.html') : file;
    if (name !== root && !name.startsWith(root + path.sep)) {
      response.writeHead(404).end();
      return;
    }
    fs.stat(name, (error, stat) => {
      if (error || !stat.isFile()) {
        response.writeHead(404, {'Content-Type': 'text/plain'}).end('not found\n');
        return;
      }
      const headers = {
        'Content-Type': types[path.extname(name)] || 'application/octet-stream',
        'Cache-Control': 'no-cache',
      };
      if (!/\bgzip\b/.test(request.headers['accept-encoding'] || '')) {
        headers['Content-Length'] = stat.size;
        response.writeHead(200, headers);
        if (request.method === 'HEAD') response.end();
        else fs.createReadStream(name).pipe(response);
        return;
      }
      let entry = packed.get(name);
      if (!entry || entry.mtime !== stat.mtimeMs) {
        entry = {mtime: stat.mtimeMs, gzip: zlib.gzipSync(fs.readFileSync(name), {level: 9})};
        packed.set(name, entry);
      }
      headers['Content-Encoding'] = 'gzip';
      headers['Content-Length'] = entry.gzip.length;
      response.writeHead(200, headers).end(request.method === 'HEAD' ? undefined : entry.gzip);
    });
  });
  return new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(port, '127.0.0.1', () => resolve(server));
  });
}

module.exports = {serve};

if (require.main === module) {
  const [dir, port = '8080'] = process.argv.slice(2);
  if (!dir || !fs.existsSync(path.join(dir, 'index.html'))) {
    console.error('usage: serve.js DIR [PORT]  (DIR holds the built page: make web)');
    process.exit(2);
  }
  serve(dir, Number(port)).then((server) => {
    console.log(`Ombrezza is served at http://127.0.0.1:${server.address().port}/  (Ctrl+C stops it)`);
  }, (error) => {
    console.error(`serve.js: cannot listen on 127.0.0.1:${port}: ${error.message}`);
    process.exit(1);
  });
}
