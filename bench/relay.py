#!/usr/bin/env python3
"""A TCP relay that delays every byte by a fixed time in each direction, as a distant
server would: relay.py LISTEN_PORT TARGET_PORT DELAY_MS. Listens on 127.0.0.1 and
forwards to 127.0.0.1:TARGET_PORT. Bytes keep their order; the delay does not limit the
rate, as on a long fat link. Prints "ready" once it listens."""
import asyncio
import sys

DELAY = 0.0


async def pump(reader, writer):
    queue = asyncio.Queue()

    async def deliver():
        loop = asyncio.get_running_loop()
        while True:
            due, data = await queue.get()
            wait = due - loop.time()
            if wait > 0:
                await asyncio.sleep(wait)
            if data is None:
                break
            writer.write(data)
            await writer.drain()
        writer.close()

    task = asyncio.create_task(deliver())
    loop = asyncio.get_running_loop()
    try:
        while True:
            data = await reader.read(65536)
            queue.put_nowait((loop.time() + DELAY, data if data else None))
            if not data:
                break
    except ConnectionError:
        queue.put_nowait((loop.time(), None))
    try:
        await task
    except ConnectionError:
        pass


async def serve(target_port, client_reader, client_writer):
    try:
        up_reader, up_writer = await asyncio.open_connection("127.0.0.1", target_port)
    except OSError:
        client_writer.close()
        return
    await asyncio.gather(pump(client_reader, up_writer), pump(up_reader, client_writer),
                         return_exceptions=True)


async def main():
    global DELAY
    listen_port, target_port, delay_ms = (int(a) for a in sys.argv[1:4])
    DELAY = delay_ms / 1000
    server = await asyncio.start_server(lambda r, w: serve(target_port, r, w), "127.0.0.1",
                                        listen_port)
    print("ready", flush=True)
    async with server:
        await server.serve_forever()


asyncio.run(main())
